#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace cinelume {

// The project's XML DOM: loaded from a file, changed through the bindings,
// saved whole. Whitespace, comments, unknown elements and the XML
// declaration stay as read; saving adds no declaration, indentation or line
// breaks of its own.
class TXMLDocument {
 public:
  // Project files are small; anything larger is refused rather than read.
  static constexpr std::size_t kMaxFileSize = 64u << 20;

  TXMLDocument();
  ~TXMLDocument();
  TXMLDocument(const TXMLDocument&) = delete;
  TXMLDocument& operator=(const TXMLDocument&) = delete;

  // Reads and parses `file` and makes it the document's FileName. Throws
  // EProjectFileError (naming the file) when it cannot be read or is not
  // well-formed XML; the document then keeps what it held before.
  void LoadFromFile(const std::filesystem::path& file);
  // Same for text in memory; `name` only labels messages.
  void LoadFromText(std::string_view text, const std::filesystem::path& name = "(text)");

  // Writes the whole document to FileName / `file` through a temporary file
  // and a rename. Throws EProjectFileError when the write fails; the DOM
  // keeps its changes either way.
  void Save() const;
  void SaveToFile(const std::filesystem::path& file) const;
  // The bytes Save would write.
  std::string SaveToText() const;

  const std::filesystem::path& FileName() const { return file_name_; }
  void SetFileName(const std::filesystem::path& file) { file_name_ = file; }

  pugi::xml_document& DOM() { return *dom_; }
  const pugi::xml_document& DOM() const { return *dom_; }

 private:
  std::unique_ptr<pugi::xml_document> dom_;
  std::filesystem::path file_name_;
  pugi::xml_encoding encoding_ = pugi::encoding_utf8;
  bool bom_ = false;
};

}  // namespace cinelume
