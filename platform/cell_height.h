#pragma once

namespace platform {

// A font realised at a cell height: the integer pixels per em, and its
// ascent and descent in pixels. They are rounded apart, so their sum may miss
// the cell height by one.
struct CellMetrics {
  int pixels_per_em = 0;
  int ascent = 0;
  int descent = 0;
  int CellHeight() const { return ascent + descent; }
};

// The largest integer pixels per em whose cell (ascent + descent, in font
// units, descent positive) does not exceed `cell_height`, and the ascent and
// descent scaled to it, rounded to nearest. A font with no usable ascent and
// descent is scaled by its em square.
CellMetrics ScaleToCellHeight(int units_per_em, int ascent, int descent, int cell_height);

}  // namespace platform
