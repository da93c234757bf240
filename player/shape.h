#pragma once

#include <QPoint>
#include <QTransform>
#include <cstdint>
#include <vector>

#include "player/character.h"
#include "player/swf_types.h"

namespace swfplayer {

struct GradientStop {
  std::uint8_t ratio = 0;
  Rgba color;
};

struct FillStyle {
  enum class Type { kSolid, kLinearGradient, kRadialGradient, kFocalGradient, kBitmap };
  Type type = Type::kSolid;
  Rgba color;
  // Gradient square or bitmap pixels to shape twips.
  QTransform matrix;
  std::vector<GradientStop> stops;
  int spread = 0;  // 0 pad, 1 reflect, 2 repeat
  double focal = 0;
  std::uint16_t bitmap_id = 0;
  bool repeat = true;
  bool smoothed = true;
};

struct LineStyle {
  std::uint16_t width = 0;  // twips
  Rgba color;
  int start_cap = 0;  // 0 round, 1 none, 2 square
  int end_cap = 0;
  int join = 0;  // 0 round, 1 bevel, 2 miter
  double miter_limit = 3;
  bool has_fill = false;
  FillStyle fill;
};

// One edge in twips with its styles as indices into the shape's whole
// style lists (1-based; 0 = none). Each new-styles record opens a group.
struct ShapeEdge {
  QPoint from;
  QPoint control;
  QPoint to;
  bool curved = false;
  int fill0 = 0;
  int fill1 = 0;
  int line = 0;
  int group = 0;
};

struct ShapeGeometry {
  std::vector<FillStyle> fills;
  std::vector<LineStyle> lines;
  std::vector<ShapeEdge> edges;
  int group_count = 1;
};

class ShapeCharacter final : public Character {
 public:
  ShapeCharacter(std::uint16_t id, SwfRect bounds, ShapeGeometry geometry)
      : Character(id), bounds_(bounds), geometry_(std::move(geometry)) {}
  CharacterKind kind() const override { return CharacterKind::kShape; }
  const SwfRect& bounds() const { return bounds_; }
  const ShapeGeometry& geometry() const { return geometry_; }

 private:
  SwfRect bounds_;
  ShapeGeometry geometry_;
};

}  // namespace swfplayer
