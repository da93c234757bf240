#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "platform/font_metrics.h"
#include "vectrel/authoring/glyph_outline_data.h"
#include "vectrel/encoding/rect.h"

namespace platform {
class PlatformFont;
}

namespace vectrel {

// Turns a text, drawn in an installed face at cell height 1024, into the
// records of one glyph shape. Glyph coordinates: x from the first pen
// origin, y downwards with 0 at the top of the face's "X" and the baseline
// at +(height of "X").
class OutlineBuilder {
 public:
  struct Result {
    GlyphSteps steps;  // without the end record
    Rect bounds;       // with a margin of 10 on every side
    // What a glyph stores as its advance: the measured width plus 21.
    int Advance() const { return bounds.x_max - bounds.x_min + 1; }
  };

  // `text` and `face` are in the active code page.
  static Result Build(std::string_view face, std::string_view text);

 private:
  enum class Mode { kMeasure, kEmit };
  struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
  };

  OutlineBuilder(const platform::PlatformFont& font, const std::array<platform::AbcWidth, 256>& widths)
      : font_(font), widths_(widths) {}

  void Pass(std::string_view text, Mode mode);
  void ResetBounds();
  void AddToBounds(Point p);
  void Advance(int d);
  void MoveTo(Point p, bool first);
  void LineTo(Point p);
  void CurveTo(Point control, Point anchor);
  void CloseTo(Point start);
  int Width(unsigned char byte) const;

  const platform::PlatformFont& font_;
  const std::array<platform::AbcWidth, 256>& widths_;
  Mode mode_ = Mode::kMeasure;
  int pen_x_ = 0;
  int pen_y_ = 0;
  Point current_;
  bool has_bounds_ = false;
  int min_x_ = 0, max_x_ = 0, min_y_ = 0, max_y_ = 0;  // flipped: (x, -y)
  bool drew_polygon_ = false;
  Point last_polygon_start_;
  GlyphSteps steps_;
};

}  // namespace vectrel
