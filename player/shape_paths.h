#pragma once

#include <QPainterPath>
#include <vector>

#include "player/shape.h"

namespace swfplayer {

// A shape's edges linked into fillable contours and strokable runs, in
// drawing order: per style group, the fills by style index, then the lines.
struct BuiltShape {
  struct Fill {
    int style = 0;  // 1-based index into ShapeGeometry::fills
    QPainterPath path;
  };
  struct Line {
    int style = 0;  // 1-based index into ShapeGeometry::lines
    QPainterPath path;
  };
  struct Layer {
    std::vector<Fill> fills;
    std::vector<Line> lines;
  };
  std::vector<Layer> layers;

  // Path elements held; the renderer's cache weighs entries by it.
  int ElementCount() const;
};

// SWF's edge model: for each fill style, the edges that have it on their
// right (fill style 1, forwards) or their left (fill style 0, reversed) are
// linked end to start into closed contours.
BuiltShape BuildShapePaths(const ShapeGeometry& shape);

// Everything any fill covers, in one path (glyphs, hit areas, masks).
QPainterPath BuildFillOutline(const ShapeGeometry& shape);

}  // namespace swfplayer
