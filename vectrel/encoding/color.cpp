#include "vectrel/encoding/color.h"

namespace vectrel {

void WriteColor(OutputBuffer& buffer, const Color& color) {
  buffer.WriteU8(static_cast<std::uint32_t>(color.red));
  buffer.WriteU8(static_cast<std::uint32_t>(color.green));
  buffer.WriteU8(static_cast<std::uint32_t>(color.blue));
  if (color.has_alpha) buffer.WriteU8(static_cast<std::uint32_t>(color.alpha));
}

}  // namespace vectrel
