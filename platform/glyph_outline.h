#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// A point of a glyph outline in 16.16 fixed point (65536 = one pixel of the
// font at its cell height), y upwards from the baseline, x from the origin.
struct OutlinePoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const OutlinePoint&) const = default;
};

// The record kinds of the native TrueType outline form (their numbers are
// those of the format).
enum class CurveKind : std::uint16_t {
  kLine = 1,             // a straight line to each point in turn
  kQuadraticSpline = 2,  // off-curve points with implied midpoints, the last on-curve
};

struct CurveRecord {
  CurveKind kind = CurveKind::kLine;
  std::vector<OutlinePoint> points;
  bool operator==(const CurveRecord&) const = default;
};

// One contour: it starts (and ends) at `start`, an on-curve point; the
// records follow each other from there. A contour that ends with a line
// record (or with no record) closes with an implied straight line to `start`.
struct OutlinePolygon {
  OutlinePoint start;
  std::vector<CurveRecord> records;
  bool operator==(const OutlinePolygon&) const = default;
};

// The outline of one glyph; empty for a glyph without contours (a space).
using GlyphOutline = std::vector<OutlinePolygon>;

}  // namespace platform
