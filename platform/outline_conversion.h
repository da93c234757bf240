#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/glyph_outline.h"

namespace platform {

// Turns a FreeType outline (26.6 coordinates, y up) into the native outline
// form: each contour starts at an on-curve point (or, when it has none, at the
// midpoint of its first two off-curve points); a run of on-curve points becomes
// one line record; a run of off-curve points with the on-curve point that ends
// it (the start point, at the end of the contour) becomes one quadratic spline
// record. Cubic arcs (CFF fonts) become quadratic pieces within 1/16 unit,
// each piece a spline record of its own. Contours of one point are dropped.
GlyphOutline ConvertOutline(const FT_Outline& outline);

}  // namespace platform
