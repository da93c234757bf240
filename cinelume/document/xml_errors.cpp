#include "cinelume/document/xml_errors.h"

namespace cinelume {
namespace {

// Keeps messages short when a huge text sits where a number belongs.
std::string Quoted(const std::string& text) {
  constexpr std::size_t kShown = 40;
  if (text.size() <= kShown) return "'" + text + "'";
  return "'" + text.substr(0, kShown) + "...'";
}

std::string ConvertMessage(const std::string& text, const std::string& kind, const std::string& element) {
  std::string message = Quoted(text) + " is not a valid " + kind + " value";
  if (!element.empty()) message += " in " + element;
  return message;
}

}  // namespace

EProjectFileError::EProjectFileError(const std::filesystem::path& file, const std::string& what)
    : EXMLUnitError(file.string() + ": " + what), file_(file) {}

EConvertError::EConvertError(const std::string& text, const std::string& kind, const std::string& element)
    : EXMLUnitError(ConvertMessage(text, kind, element)), element_(element) {}

EListIndexError::EListIndexError(int index, int count)
    : EXMLUnitError("Obj index " + std::to_string(index) + " out of bounds (" + std::to_string(count) +
                    " objects)") {}

}  // namespace cinelume
