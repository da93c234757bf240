#include "vectrel/authoring/outline_builder.h"

#include <algorithm>
#include <cstdlib>

#include "platform/codepage.h"
#include "platform/platform_font.h"
#include "vectrel/authoring/diagnostics.h"

namespace vectrel {
namespace {

// The integer part of a 16.16 value (rounds down, as the platform's FIXED
// integer field does).
int IntegerPart(std::int32_t fixed) { return fixed >> 16; }

}  // namespace

void OutlineBuilder::ResetBounds() { has_bounds_ = false; }

void OutlineBuilder::AddToBounds(Point p) {
  const int fx = p.x, fy = -p.y;
  if (!has_bounds_) {
    min_x_ = max_x_ = fx;
    min_y_ = max_y_ = fy;
    has_bounds_ = true;
    return;
  }
  min_x_ = std::min(min_x_, fx);
  max_x_ = std::max(max_x_, fx);
  min_y_ = std::min(min_y_, fy);
  max_y_ = std::max(max_y_, fy);
}

void OutlineBuilder::Advance(int d) {
  pen_x_ += d;
  AddToBounds(Point{pen_x_, pen_y_});
}

void OutlineBuilder::MoveTo(Point p, bool first) {
  current_ = p;
  drew_polygon_ = true;
  last_polygon_start_ = p;
  if (mode_ == Mode::kMeasure) {
    AddToBounds(p);
    return;
  }
  steps_.push_back(GlyphStep{first ? GlyphStep::Kind::kFirstMove : GlyphStep::Kind::kMove, p.x, -p.y, 0, 0});
}

void OutlineBuilder::LineTo(Point p) {
  if (mode_ == Mode::kMeasure) {
    AddToBounds(p);
  } else {
    // No edge may have zero length.
    const int dx = p.x - current_.x + (p == current_ ? 1 : 0);
    steps_.push_back(GlyphStep{GlyphStep::Kind::kStraight, dx, current_.y - p.y, 0, 0});
  }
  current_ = p;
}

void OutlineBuilder::CurveTo(Point control, Point anchor) {
  if (mode_ == Mode::kMeasure) {
    AddToBounds(anchor);
    AddToBounds(control);
  } else {
    const int cdx = control.x - current_.x - (control == current_ ? 1 : 0);
    const int adx = anchor.x - control.x - (anchor == control ? 1 : 0);
    steps_.push_back(GlyphStep{GlyphStep::Kind::kCurve, cdx, current_.y - control.y, adx, control.y - anchor.y});
  }
  current_ = anchor;
}

void OutlineBuilder::CloseTo(Point start) {
  if (start == current_) return;
  if (mode_ == Mode::kEmit)
    steps_.push_back(GlyphStep{GlyphStep::Kind::kStraight, start.x - current_.x, current_.y - start.y, 0, 0});
  current_ = start;
}

int OutlineBuilder::Width(unsigned char byte) const {
  const auto& w = widths_[byte];
  return std::abs(w.a) + std::abs(w.b) + std::abs(w.c);
}

void OutlineBuilder::Pass(std::string_view text, Mode mode) {
  mode_ = mode;
  const platform::CodePage page = font_.Page();
  std::size_t previous = std::string_view::npos;
  std::size_t previous_length = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = std::max<std::size_t>(1, platform::CharacterLength(text, pos, page));
    if (previous != std::string_view::npos) {
      // A character of several bytes is measured whole by the platform.
      if (previous_length > 1)
        Advance(font_.MeasureText(text.substr(previous, previous_length)).width);
      else
        Advance(Width(static_cast<unsigned char>(text[previous])));
    }
    if (mode == Mode::kMeasure) {
      if (length > 1) {
        // The letters A and B stand in for the advance box of a wide character.
        for (unsigned char stand_in : {'A', 'B'}) {
          Advance(Width(stand_in));
          Advance(-Width(stand_in));
        }
      } else {
        const int w = Width(static_cast<unsigned char>(text[pos]));
        Advance(w);
        Advance(-w);
      }
    }
    const std::uint32_t code = platform::CharacterCode(text, pos, page);
    if (code != 32) {
      std::string error;
      const auto outline = font_.Outline(code, &error);
      if (!outline) {
        ReportDiagnostic("Error", error.empty() ? "The glyph outline could not be read." : error);
      } else {
        bool first = true;
        for (const auto& polygon : *outline) {
          const Point start{IntegerPart(polygon.start.x) + pen_x_, IntegerPart(polygon.start.y) + pen_y_};
          MoveTo(start, first);
          first = false;
          for (const auto& record : polygon.records) {
            auto at = [&](std::size_t i) {
              return Point{IntegerPart(record.points[i].x) + pen_x_, IntegerPart(record.points[i].y) + pen_y_};
            };
            const std::size_t n = record.points.size();
            if (record.kind == platform::CurveKind::kLine || n < 2) {
              for (std::size_t i = 0; i < n; ++i) LineTo(at(i));
              continue;
            }
            // A quadratic B-spline: implied on-curve points halfway between
            // the off-curve ones, the last point on the curve.
            for (std::size_t j = 0; j + 1 < n; ++j) {
              const Point control = at(j);
              Point anchor = at(j + 1);
              if (j + 2 < n) {
                const auto half = [](int a, int b) { return (a + b) / 2; };
                anchor = Point{half(control.x, anchor.x), half(control.y, anchor.y)};
              }
              CurveTo(control, anchor);
            }
          }
          CloseTo(start);
        }
      }
    }
    previous = pos;
    previous_length = length;
    pos += length;
  }
  if (mode == Mode::kMeasure && drew_polygon_) CloseTo(last_polygon_start_);
}

OutlineBuilder::Result OutlineBuilder::Build(std::string_view face, std::string_view text) {
  const auto font = platform::PlatformFont::Create(face);
  std::array<platform::AbcWidth, 256> widths{};
  Result result;
  if (!font) {
    ReportDiagnostic("Error", "No outline font is installed.");
    result.steps.push_back(GlyphStep{GlyphStep::Kind::kFirstMove, 0, 0, 0, 0});
    result.bounds = Rect{-10, 10, -10, 10};
    return result;
  }
  // Widths that cannot be read count as 0.
  if (!font->AbcWidths(widths)) ReportDiagnostic("Error", "Error");

  OutlineBuilder builder(*font, widths);
  // The top of "X" becomes y = 0.
  builder.ResetBounds();
  builder.Pass("X", Mode::kMeasure);
  const int top = builder.has_bounds_ ? std::min(0, builder.min_y_) : 0;

  builder.ResetBounds();
  builder.pen_x_ = builder.pen_y_ = 0;
  builder.drew_polygon_ = false;
  builder.Pass(text, Mode::kMeasure);
  const bool has_bounds = builder.has_bounds_;
  const int bx0 = builder.min_x_, bx1 = builder.max_x_, by0 = builder.min_y_, by1 = builder.max_y_;

  builder.pen_x_ = 0;
  builder.pen_y_ = top;
  builder.drew_polygon_ = false;
  builder.Pass(text, Mode::kEmit);
  if (!builder.drew_polygon_) builder.MoveTo(Point{builder.pen_x_, builder.pen_y_}, true);

  result.steps = std::move(builder.steps_);
  if (has_bounds) {
    result.bounds = Rect{bx0 - 10, bx1 + 10, by0 - top - 10, by1 - top + 10};
  } else {
    result.bounds = Rect{-10, 10, -top - 10, -top + 10};
  }
  return result;
}

}  // namespace vectrel
