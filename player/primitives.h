#pragma once

#include <QTransform>

#include "player/bit_reader.h"
#include "player/swf_types.h"

namespace swfplayer {

// Readers of the small structures many tags share. Each ends aligned.
SwfRect ReadRect(BitReader& in);
QTransform ReadMatrix(BitReader& in);
// CXFORM (no alpha) or CXFORMWITHALPHA.
ColorTransform ReadColorTransform(BitReader& in, bool with_alpha);
Rgba ReadRgb(BitReader& in);
Rgba ReadRgba(BitReader& in);

}  // namespace swfplayer
