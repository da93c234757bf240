#pragma once

#include <cstdint>

#include "vectrel/encoding/color.h"
#include "vectrel/encoding/output_buffer.h"

namespace vectrel {

// LINESTYLE of a DefineShape3: width in twips, colour always RGBA.
class LineStyle {
 public:
  LineStyle(std::uint16_t width, const Color& color) : width_(width), color_(color) {
    color_.has_alpha = true;
  }
  void Write(OutputBuffer& buffer) const;

  std::uint16_t width() const { return width_; }
  const Color& color() const { return color_; }

 private:
  std::uint16_t width_;
  Color color_;
};

}  // namespace vectrel
