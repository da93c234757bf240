#pragma once

#include <QPainterPath>
#include <vector>

#include "player/movie.h"
#include "player/text.h"

namespace swfplayer {

struct ColoredPath {
  QPainterPath path;  // twips, in the text's own coordinates (its matrix applied)
  Rgba color;
};

// The glyph outlines of a DefineText(2): each run's glyphs from its font,
// scaled from the font's em square to the run's height and set at their
// advances. Glyphs of missing fonts or out-of-range indices are left out.
std::vector<ColoredPath> BuildTextPaths(const TextCharacter& text, const Movie& movie);

}  // namespace swfplayer
