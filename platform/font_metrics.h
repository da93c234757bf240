#pragma once

namespace platform {

// The widths of one character in pixels of the font: `a` before the black
// box, `b` the black box, `c` after it; the advance is a + b + c. `a` and `c`
// may be negative.
struct AbcWidth {
  int a = 0;
  int b = 0;
  int c = 0;
  bool operator==(const AbcWidth&) const = default;
};

// The size of a string as the platform measures it: the sum of the
// characters' advances, and the font's cell height.
struct TextExtent {
  int width = 0;
  int height = 0;
  bool operator==(const TextExtent&) const = default;
};

}  // namespace platform
