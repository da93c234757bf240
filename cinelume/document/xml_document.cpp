#include "cinelume/document/xml_document.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "cinelume/document/xml_errors.h"
#include "platform/atomic_file.h"

namespace cinelume {
namespace {

// Everything a file holds is kept: declaration, doctype, processing
// instructions, comments, CDATA, whitespace-only text and line ends as they
// are (the bindings give "\n" to their callers). Fragment mode is what keeps
// the whitespace around the root element; the rules of a whole document are
// then checked by CheckDocumentLevel.
constexpr unsigned kParseFlags = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_pi | pugi::parse_comments |
                                 pugi::parse_declaration | pugi::parse_doctype | pugi::parse_ws_pcdata |
                                 pugi::parse_fragment;

// Nothing is added on output: no indentation, no declaration of our own.
constexpr unsigned kFormatFlags = pugi::format_raw | pugi::format_no_declaration;

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

bool HasByteOrderMark(std::string_view text) {
  using namespace std::string_view_literals;
  return StartsWith(text, "\xEF\xBB\xBF"sv) || StartsWith(text, "\xFF\xFE"sv) || StartsWith(text, "\xFE\xFF"sv) ||
         StartsWith(text, "\x00\x00\xFE\xFF"sv);
}

std::string Where(std::string_view text, std::ptrdiff_t offset, pugi::xml_encoding encoding) {
  if (encoding != pugi::encoding_utf8 || offset < 0 || static_cast<std::size_t>(offset) > text.size())
    return "at byte " + std::to_string(offset);
  int line = 1;
  int column = 1;
  for (std::size_t i = 0; i < static_cast<std::size_t>(offset); ++i) {
    if (text[i] == '\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  return "at line " + std::to_string(line) + ", column " + std::to_string(column);
}

bool IsWhitespace(const char* text) {
  for (; *text != 0; ++text) {
    if (*text != ' ' && *text != '\t' && *text != '\r' && *text != '\n') return false;
  }
  return true;
}

// What fragment mode lets through but a document must not have: no root or
// several, text outside the root, a declaration after other content.
void CheckDocumentLevel(const pugi::xml_document& dom, const std::filesystem::path& name) {
  int elements = 0;
  for (pugi::xml_node node : dom.children()) {
    switch (node.type()) {
      case pugi::node_element:
        ++elements;
        break;
      case pugi::node_pcdata:
        if (!IsWhitespace(node.value()))
          throw EProjectFileError(name, "is not well-formed XML: text outside the root element");
        break;
      case pugi::node_cdata:
        throw EProjectFileError(name, "is not well-formed XML: CDATA outside the root element");
      case pugi::node_declaration:
        if (node != dom.first_child())
          throw EProjectFileError(name, "is not well-formed XML: the XML declaration is not at the start");
        break;
      default:
        break;
    }
  }
  if (elements == 0) throw EProjectFileError(name, "is not well-formed XML: no root element");
  if (elements > 1) throw EProjectFileError(name, "is not well-formed XML: more than one root element");
}

// An empty element written as <X></X> is given an empty text so that it is
// written back that way rather than as <X/>. Only for UTF-8 sources, where
// the parser's offsets point into `text`.
void KeepEmptyElementForms(pugi::xml_node root, std::string_view text) {
  // Iterative: nesting depth is the file's to choose.
  pugi::xml_node node = root.first_child();
  while (node && node != root) {
    if (node.type() == pugi::node_element && !node.first_child()) {
      const std::ptrdiff_t offset = node.offset_debug();
      char quote = 0;
      for (std::size_t i = offset < 0 ? text.size() : static_cast<std::size_t>(offset); i < text.size(); ++i) {
        const char c = text[i];
        if (quote != 0) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '>') {
          if (text[i - 1] != '/') node.append_child(pugi::node_pcdata);
          break;
        }
      }
    } else if (node.type() == pugi::node_element) {
      node = node.first_child();
      continue;
    }
    while (node != root && !node.next_sibling()) node = node.parent();
    if (node != root) node = node.next_sibling();
  }
}

struct StringWriter : pugi::xml_writer {
  std::string out;
  void write(const void* data, std::size_t size) override { out.append(static_cast<const char*>(data), size); }
};

}  // namespace

TXMLDocument::TXMLDocument() : dom_(std::make_unique<pugi::xml_document>()) {}
TXMLDocument::~TXMLDocument() = default;

void TXMLDocument::LoadFromFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw EProjectFileError(file, std::string("cannot be opened: ") + std::strerror(errno));
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) throw EProjectFileError(file, "cannot be read");
  if (static_cast<std::uint64_t>(size) > kMaxFileSize)
    throw EProjectFileError(file, "is too large for a project file (" + std::to_string(size) + " bytes)");
  in.seekg(0, std::ios::beg);
  std::string text(static_cast<std::size_t>(size), '\0');
  if (size > 0 && !in.read(text.data(), size)) throw EProjectFileError(file, "cannot be read");
  LoadFromText(text, file);
  file_name_ = file;
}

void TXMLDocument::LoadFromText(std::string_view text, const std::filesystem::path& name) {
  if (text.size() > kMaxFileSize) throw EProjectFileError(name, "is too large for a project file");
  auto dom = std::make_unique<pugi::xml_document>();
  const pugi::xml_parse_result result = dom->load_buffer(text.data(), text.size(), kParseFlags, pugi::encoding_auto);
  if (!result)
    throw EProjectFileError(name, std::string("is not well-formed XML: ") + result.description() + " " +
                                      Where(text, result.offset, result.encoding));
  CheckDocumentLevel(*dom, name);
  if (result.encoding == pugi::encoding_utf8) KeepEmptyElementForms(*dom, text);

  pugi::xml_encoding encoding = result.encoding;
  if (encoding == pugi::encoding_latin1) {
    // Latin-1 cannot hold every text the editor may put in; such a file is
    // written back in UTF-8 and its declaration says so.
    encoding = pugi::encoding_utf8;
    pugi::xml_node declaration = dom->first_child();
    if (declaration.type() == pugi::node_declaration) {
      pugi::xml_attribute label = declaration.attribute("encoding");
      if (label) label.set_value("UTF-8");
    }
  }
  dom_ = std::move(dom);
  encoding_ = encoding;
  bom_ = HasByteOrderMark(text);
}

std::string TXMLDocument::SaveToText() const {
  StringWriter writer;
  dom_->save(writer, "", kFormatFlags | (bom_ ? pugi::format_write_bom : 0u), encoding_);
  return std::move(writer.out);
}

void TXMLDocument::Save() const {
  if (file_name_.empty()) throw EProjectFileError("(untitled)", "has no file name to save to");
  SaveToFile(file_name_);
}

void TXMLDocument::SaveToFile(const std::filesystem::path& file) const {
  const std::string bytes = SaveToText();
  std::string error;
  if (!platform::WriteFileAtomically(file, bytes.data(), bytes.size(), &error))
    throw EProjectFileError(file, "cannot be saved: " + error);
}

}  // namespace cinelume
