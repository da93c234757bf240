#include "vectrel/encoding/swf_string.h"

namespace vectrel {

std::string_view TerminatedPart(std::string_view text) {
  const auto nul = text.find('\0');
  return nul == std::string_view::npos ? text : text.substr(0, nul);
}

void WriteTerminatedString(OutputBuffer& buffer, std::string_view text) {
  WriteString(buffer, TerminatedPart(text), true);
}

}  // namespace vectrel
