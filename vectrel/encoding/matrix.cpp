#include "vectrel/encoding/matrix.h"

namespace vectrel {

Matrix Matrix::Make(bool has_scale, std::int32_t scale_x, std::int32_t scale_y, bool has_rotate,
                    std::int32_t skew0, std::int32_t skew1, std::int32_t translate_x,
                    std::int32_t translate_y) {
  Matrix m;
  m.identity = false;
  m.has_scale = has_scale;
  m.scale_x = scale_x;
  m.scale_y = scale_y;
  m.scale_bits = SignedBits({scale_x, scale_y});
  m.has_rotate = has_rotate;
  m.rotate_skew0 = skew0;
  m.rotate_skew1 = skew1;
  m.rotate_bits = SignedBits({skew0, skew1});
  m.translate_x = translate_x;
  m.translate_y = translate_y;
  m.translate_bits = SignedBits({translate_x, translate_y});
  return m;
}

void WriteMatrix(OutputBuffer& buffer, const Matrix& m) {
  if (m.identity) {
    buffer.WriteU8(0);
    return;
  }
  buffer.WriteBits(m.has_scale ? 1 : 0, 1);
  if (m.has_scale) {
    buffer.WriteBits(static_cast<std::uint32_t>(m.scale_bits), 5);
    buffer.WriteBits(static_cast<std::uint32_t>(m.scale_x), m.scale_bits);
    buffer.WriteBits(static_cast<std::uint32_t>(m.scale_y), m.scale_bits);
  }
  buffer.WriteBits(m.has_rotate ? 1 : 0, 1);
  if (m.has_rotate) {
    buffer.WriteBits(static_cast<std::uint32_t>(m.rotate_bits), 5);
    buffer.WriteBits(static_cast<std::uint32_t>(m.rotate_skew0), m.rotate_bits);
    buffer.WriteBits(static_cast<std::uint32_t>(m.rotate_skew1), m.rotate_bits);
  }
  buffer.WriteBits(static_cast<std::uint32_t>(m.translate_bits), 5);
  buffer.WriteBits(static_cast<std::uint32_t>(m.translate_x), m.translate_bits);
  buffer.WriteBits(static_cast<std::uint32_t>(m.translate_y), m.translate_bits);
  buffer.Align();
}

}  // namespace vectrel
