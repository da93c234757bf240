#pragma once

#include "player/bit_reader.h"
#include "player/shape.h"

namespace swfplayer {

// SHAPEWITHSTYLE of DefineShape (1), DefineShape2 (2), DefineShape3 (3) or
// DefineShape4 (4). A damaged record list ends the shape where it breaks.
ShapeGeometry ReadShapeWithStyle(BitReader& in, int shape_version);

// A SHAPE without style arrays (glyphs): one implicit fill style.
ShapeGeometry ReadGlyphShape(BitReader& in);

}  // namespace swfplayer
