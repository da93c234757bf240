#pragma once

#include <string_view>

#include "vectrel/encoding/output_buffer.h"

namespace vectrel {

// The part of `text` a reader of a 0-terminated SWF string can see: up to
// its first 0 byte. Writing past it would shift every field after it.
std::string_view TerminatedPart(std::string_view text);

// TerminatedPart(text), then the 0 byte.
void WriteTerminatedString(OutputBuffer& buffer, std::string_view text);

}  // namespace vectrel
