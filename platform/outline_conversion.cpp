#include "platform/outline_conversion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/cubic_to_quadratic.h"

namespace platform {
namespace {

constexpr double kCubicTolerance = 65536.0 / 16;  // 1/16 unit in 16.16

enum class Kind { kOn, kConic, kCubic };

struct TaggedPoint {
  OutlinePoint point;
  Kind kind;
};

std::int32_t Clamp(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                           std::numeric_limits<std::int32_t>::max()));
}

// 26.6 to 16.16 is exact: a factor of 1024.
OutlinePoint ToFixed(const FT_Vector& v) {
  return {Clamp(static_cast<std::int64_t>(v.x) * 1024), Clamp(static_cast<std::int64_t>(v.y) * 1024)};
}

OutlinePoint Midpoint(OutlinePoint a, OutlinePoint b) {
  return {Clamp((static_cast<std::int64_t>(a.x) + b.x) / 2), Clamp((static_cast<std::int64_t>(a.y) + b.y) / 2)};
}

Kind KindOf(unsigned char tag) {
  switch (FT_CURVE_TAG(tag)) {
    case FT_CURVE_TAG_ON:
      return Kind::kOn;
    case FT_CURVE_TAG_CUBIC:
      return Kind::kCubic;
    default:
      return Kind::kConic;
  }
}

CurvePoint ToCurve(OutlinePoint p) { return {static_cast<double>(p.x), static_cast<double>(p.y)}; }

OutlinePoint FromCurve(CurvePoint p) {
  const auto round = [](double v) {
    if (!std::isfinite(v)) return std::int64_t{0};
    return static_cast<std::int64_t>(std::llround(std::clamp(v, -2147483648.0, 2147483647.0)));
  };
  return {Clamp(round(p.x)), Clamp(round(p.y))};
}

// Walks the points that follow the start point; the contour closes at `start`.
OutlinePolygon BuildPolygon(OutlinePoint start, const std::vector<TaggedPoint>& rest) {
  OutlinePolygon polygon;
  polygon.start = start;
  OutlinePoint current = start;
  std::size_t i = 0;
  const std::size_t n = rest.size();
  // The on-curve point that ends an arc whose last control is `control`:
  // the point at `from` if it is on-curve (consumed), the start point at the
  // end of the contour, else (malformed: an arc of one kind running into
  // one of the other) the midpoint between the control and the next point.
  const auto take_end = [&](std::size_t from, OutlinePoint control) {
    if (from >= n) {
      i = n;
      return start;
    }
    if (rest[from].kind == Kind::kOn) {
      i = from + 1;
      return rest[from].point;
    }
    i = from;
    return Midpoint(control, rest[from].point);
  };
  while (i < n) {
    const Kind kind = rest[i].kind;
    const bool lone_cubic = kind == Kind::kCubic && (i + 1 >= n || rest[i + 1].kind != Kind::kCubic);
    if (kind == Kind::kOn) {
      CurveRecord line{CurveKind::kLine, {}};
      while (i < n && rest[i].kind == Kind::kOn) line.points.push_back(rest[i++].point);
      current = line.points.back();
      polygon.records.push_back(std::move(line));
    } else if (kind == Kind::kConic || lone_cubic) {
      CurveRecord spline{CurveKind::kQuadraticSpline, {}};
      while (i < n && (rest[i].kind == Kind::kConic ||
                       (rest[i].kind == Kind::kCubic && (i + 1 >= n || rest[i + 1].kind != Kind::kCubic)))) {
        spline.points.push_back(rest[i++].point);
      }
      spline.points.push_back(take_end(i, spline.points.back()));
      current = spline.points.back();
      polygon.records.push_back(std::move(spline));
    } else {
      const OutlinePoint c1 = rest[i].point;
      const OutlinePoint c2 = rest[i + 1].point;
      const OutlinePoint end = take_end(i + 2, c2);
      std::vector<QuadraticPiece> pieces;
      CubicToQuadratics(ToCurve(current), ToCurve(c1), ToCurve(c2), ToCurve(end), kCubicTolerance, pieces);
      for (std::size_t k = 0; k < pieces.size(); ++k) {
        // The last piece ends exactly where the cubic does.
        const OutlinePoint piece_end = k + 1 == pieces.size() ? end : FromCurve(pieces[k].end);
        polygon.records.push_back({CurveKind::kQuadraticSpline, {FromCurve(pieces[k].control), piece_end}});
      }
      current = end;
    }
  }
  return polygon;
}

}  // namespace

GlyphOutline ConvertOutline(const FT_Outline& outline) {
  GlyphOutline result;
  if (outline.n_contours <= 0 || outline.n_points <= 0 || outline.points == nullptr || outline.tags == nullptr ||
      outline.contours == nullptr) {
    return result;
  }
  int first = 0;
  for (int c = 0; c < outline.n_contours; ++c) {
    const int last = outline.contours[c];
    if (last < first || last >= outline.n_points) break;  // malformed: keep what came before
    const int count = last - first + 1;
    if (count >= 2) {
      std::vector<TaggedPoint> points;
      points.reserve(static_cast<std::size_t>(count));
      for (int k = first; k <= last; ++k) {
        points.push_back({ToFixed(outline.points[k]), KindOf(static_cast<unsigned char>(outline.tags[k]))});
      }
      const auto on = std::find_if(points.begin(), points.end(), [](const TaggedPoint& p) { return p.kind == Kind::kOn; });
      if (on != points.end()) {
        std::rotate(points.begin(), on, points.end());
        const OutlinePoint start = points.front().point;
        points.erase(points.begin());
        result.push_back(BuildPolygon(start, points));
      } else {
        // No on-curve point: start between the first two, end with the first.
        for (TaggedPoint& p : points) p.kind = Kind::kConic;
        const OutlinePoint start = Midpoint(points[0].point, points[1].point);
        std::rotate(points.begin(), points.begin() + 1, points.end());
        result.push_back(BuildPolygon(start, points));
      }
    }
    first = last + 1;
  }
  return result;
}

}  // namespace platform
