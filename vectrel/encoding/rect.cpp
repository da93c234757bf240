#include "vectrel/encoding/rect.h"

namespace vectrel {

void WriteRect(OutputBuffer& buffer, const Rect& rect) {
  const int nbits = SignedBits({rect.x_min, rect.x_max, rect.y_min, rect.y_max});
  buffer.WriteBits(static_cast<std::uint32_t>(nbits), 5);
  buffer.WriteBits(static_cast<std::uint32_t>(rect.x_min), nbits);
  buffer.WriteBits(static_cast<std::uint32_t>(rect.x_max), nbits);
  buffer.WriteBits(static_cast<std::uint32_t>(rect.y_min), nbits);
  buffer.WriteBits(static_cast<std::uint32_t>(rect.y_max), nbits);
  buffer.Align();
}

}  // namespace vectrel
