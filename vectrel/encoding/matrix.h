#pragma once

#include <cstdint>

#include "vectrel/encoding/output_buffer.h"

namespace vectrel {

// Scale and skew terms are signed 16.16 fixed point; translation in twips.
struct Matrix {
  bool identity = true;
  bool has_scale = false;
  std::int32_t scale_x = 0;
  std::int32_t scale_y = 0;
  int scale_bits = 1;
  bool has_rotate = false;
  std::int32_t rotate_skew0 = 0;
  std::int32_t rotate_skew1 = 0;
  int rotate_bits = 1;
  std::int32_t translate_x = 0;
  std::int32_t translate_y = 0;
  int translate_bits = 1;

  static Matrix Identity() { return Matrix{}; }
  static Matrix Make(bool has_scale, std::int32_t scale_x, std::int32_t scale_y, bool has_rotate,
                     std::int32_t skew0, std::int32_t skew1, std::int32_t translate_x,
                     std::int32_t translate_y);
  static Matrix Translation(std::int32_t x, std::int32_t y) { return Make(false, 0, 0, false, 0, 0, x, y); }
};

void WriteMatrix(OutputBuffer& buffer, const Matrix& matrix);

}  // namespace vectrel
