#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace cinelume {

// Base of every failure the project file binding reports.
class EXMLUnitError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A project file that cannot be read, parsed, bound or written. The message
// names the file and what is wrong with it.
class EProjectFileError : public EXMLUnitError {
 public:
  EProjectFileError(const std::filesystem::path& file, const std::string& what);
  const std::filesystem::path& File() const { return file_; }

 private:
  std::filesystem::path file_;
};

// An element text that does not convert to the value asked for (an integer
// that is empty or not a number, a colour that is not a number). Thrown by
// the typed getters, so a reader can stop or skip one object.
class EConvertError : public EXMLUnitError {
 public:
  // `element` says where the text came from ("Movie/Obj[2]/EndTime"); may be empty.
  EConvertError(const std::string& text, const std::string& kind, const std::string& element);
  const std::string& Element() const { return element_; }

 private:
  std::string element_;
};

// An Obj index outside the list.
class EListIndexError : public EXMLUnitError {
 public:
  EListIndexError(int index, int count);
};

}  // namespace cinelume
