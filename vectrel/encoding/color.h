#pragma once

#include <cstdint>

#include "vectrel/encoding/output_buffer.h"

namespace vectrel {

struct Color {
  int red = 0;
  int green = 0;
  int blue = 0;
  int alpha = 255;
  bool has_alpha = false;

  Color() = default;
  Color(int r, int g, int b) : red(r), green(g), blue(b), alpha(255), has_alpha(false) {}
  Color(int r, int g, int b, int a) : red(r), green(g), blue(b), alpha(a), has_alpha(true) {}
  // Red in bits 0-7, green 8-15, blue 16-23, alpha 24-31.
  static Color FromPacked(std::uint32_t packed) {
    return Color(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF, (packed >> 24) & 0xFF);
  }

  friend bool operator==(const Color&, const Color&) = default;
};

// RGB, then alpha when the colour has it.
void WriteColor(OutputBuffer& buffer, const Color& color);

}  // namespace vectrel
