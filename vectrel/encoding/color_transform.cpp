#include "vectrel/encoding/color_transform.h"

namespace vectrel {

ColorTransform::ColorTransform(bool has_add, bool has_mult, std::int32_t add_r, std::int32_t add_g,
                               std::int32_t add_b, std::int32_t add_a, std::int32_t mult_r,
                               std::int32_t mult_g, std::int32_t mult_b, std::int32_t mult_a)
    : has_add_(has_add),
      has_mult_(has_mult),
      add_{has_add ? add_r : 0, has_add ? add_g : 0, has_add ? add_b : 0, has_add ? add_a : 0},
      mult_{has_mult ? mult_r : 0, has_mult ? mult_g : 0, has_mult ? mult_b : 0, has_mult ? mult_a : 0},
      bits_(SignedBits({add_[0], add_[1], add_[2], add_[3], mult_[0], mult_[1], mult_[2], mult_[3]})) {}

void ColorTransform::Write(OutputBuffer& buffer) const {
  buffer.WriteBits(has_add_ ? 1 : 0, 1);
  buffer.WriteBits(0, 1);  // mult terms are never written
  buffer.WriteBits(static_cast<std::uint32_t>(bits_), 4);
  if (has_add_) {
    for (std::int32_t term : add_) buffer.WriteBits(static_cast<std::uint32_t>(term), bits_);
  }
  buffer.Align();
}

}  // namespace vectrel
