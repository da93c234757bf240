#pragma once

#include <cstdint>

#include "vectrel/encoding/output_buffer.h"

namespace vectrel {

// In twips.
struct Rect {
  std::int32_t x_min = 0;
  std::int32_t x_max = 0;
  std::int32_t y_min = 0;
  std::int32_t y_max = 0;

  friend bool operator==(const Rect&, const Rect&) = default;
};

// RECT with the narrowest field width, then aligned.
void WriteRect(OutputBuffer& buffer, const Rect& rect);

}  // namespace vectrel
