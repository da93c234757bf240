#include "platform/outline_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/cubic_to_quadratic.h"

namespace platform {
namespace {

constexpr char kOn = FT_CURVE_TAG_ON;
constexpr char kConic = FT_CURVE_TAG_CONIC;
constexpr char kCubic = FT_CURVE_TAG_CUBIC;

struct P {
  long x, y;
  char tag;
};

// Builds an FT_Outline over owned arrays; coordinates in whole pixels.
class TestOutline {
 public:
  explicit TestOutline(const std::vector<std::vector<P>>& contours) {
    for (const auto& contour : contours) {
      for (const P& p : contour) {
        points_.push_back({p.x * 64, p.y * 64});
        tags_.push_back(p.tag);
      }
      ends_.push_back(static_cast<short>(points_.size() - 1));
    }
    outline_.n_contours = static_cast<short>(ends_.size());
    outline_.n_points = static_cast<short>(points_.size());
    outline_.points = points_.data();
    outline_.tags = tags_.data();
    outline_.contours = ends_.data();
  }
  FT_Outline& Get() { return outline_; }

 private:
  std::vector<FT_Vector> points_;
  std::vector<char> tags_;
  std::vector<short> ends_;
  FT_Outline outline_{};
};

OutlinePoint Px(long x, long y) { return {static_cast<std::int32_t>(x * 65536), static_cast<std::int32_t>(y * 65536)}; }

TEST(FontOutlineConversion, RunsOfOnAndOffCurvePointsBecomeRecords) {
  // on, on, off, off, on, off (closing through the start)
  TestOutline outline({{{0, 0, kOn}, {10, 0, kOn}, {12, 5, kConic}, {10, 10, kConic}, {5, 12, kOn}, {-2, 6, kConic}}});
  const GlyphOutline result = ConvertOutline(outline.Get());
  ASSERT_EQ(result.size(), 1u);
  EXPECT_EQ(result[0].start, Px(0, 0));
  const std::vector<CurveRecord> expected = {
      {CurveKind::kLine, {Px(10, 0)}},
      {CurveKind::kQuadraticSpline, {Px(12, 5), Px(10, 10), Px(5, 12)}},
      {CurveKind::kQuadraticSpline, {Px(-2, 6), Px(0, 0)}},
  };
  EXPECT_EQ(result[0].records, expected);
}

TEST(FontOutlineConversion, ContourEndingOnCurveHasNoClosingRecord) {
  TestOutline outline({{{0, 0, kOn}, {4, 0, kOn}, {4, 4, kOn}, {0, 4, kOn}}});
  const GlyphOutline result = ConvertOutline(outline.Get());
  ASSERT_EQ(result.size(), 1u);
  const std::vector<CurveRecord> expected = {{CurveKind::kLine, {Px(4, 0), Px(4, 4), Px(0, 4)}}};
  EXPECT_EQ(result[0].records, expected);
}

TEST(FontOutlineConversion, ContourStartingOffCurveStartsAtItsFirstOnCurvePoint) {
  // The flag bits above the curve tag (drop-out control) must not matter.
  TestOutline outline({{{2, 0, kConic}, {4, 2, static_cast<char>(kOn | 0x10)}, {2, 4, kConic}, {0, 2, kOn}}});
  const GlyphOutline result = ConvertOutline(outline.Get());
  ASSERT_EQ(result.size(), 1u);
  EXPECT_EQ(result[0].start, Px(4, 2));
  const std::vector<CurveRecord> expected = {
      {CurveKind::kQuadraticSpline, {Px(2, 4), Px(0, 2)}},
      {CurveKind::kQuadraticSpline, {Px(2, 0), Px(4, 2)}},
  };
  EXPECT_EQ(result[0].records, expected);
}

TEST(FontOutlineConversion, ContourWithoutOnCurvePointStartsBetweenItsFirstTwoPoints) {
  TestOutline outline({{{0, 0, kConic}, {4, 0, kConic}, {4, 4, kConic}, {0, 4, kConic}}});
  const GlyphOutline result = ConvertOutline(outline.Get());
  ASSERT_EQ(result.size(), 1u);
  EXPECT_EQ(result[0].start, Px(2, 0));
  const std::vector<CurveRecord> expected = {
      {CurveKind::kQuadraticSpline, {Px(4, 0), Px(4, 4), Px(0, 4), Px(0, 0), Px(2, 0)}}};
  EXPECT_EQ(result[0].records, expected);
}

TEST(FontOutlineConversion, OnePointContoursAndMalformedContoursAreDropped) {
  TestOutline outline({{{7, 7, kOn}}, {{0, 0, kOn}, {1, 0, kOn}, {1, 1, kOn}}});
  EXPECT_EQ(ConvertOutline(outline.Get()).size(), 1u);
  FT_Outline& bad = outline.Get();
  bad.contours[1] = 40;  // past the points
  EXPECT_TRUE(ConvertOutline(bad).empty());
  FT_Outline empty{};
  EXPECT_TRUE(ConvertOutline(empty).empty());
}

// The cubic Bezier at t, and the quadratic pieces at t (in 16.16 units).
CurvePoint Cubic(CurvePoint p0, CurvePoint p1, CurvePoint p2, CurvePoint p3, double t) {
  const double u = 1 - t;
  return {u * u * u * p0.x + 3 * u * u * t * p1.x + 3 * u * t * t * p2.x + t * t * t * p3.x,
          u * u * u * p0.y + 3 * u * u * t * p1.y + 3 * u * t * t * p2.y + t * t * t * p3.y};
}

std::vector<CurvePoint> SampleQuadratics(CurvePoint start, const std::vector<QuadraticPiece>& pieces) {
  std::vector<CurvePoint> samples;
  for (const QuadraticPiece& q : pieces) {
    for (int k = 0; k <= 2000; ++k) {
      const double t = k / 2000.0, u = 1 - t;
      samples.push_back({u * u * start.x + 2 * u * t * q.control.x + t * t * q.end.x,
                         u * u * start.y + 2 * u * t * q.control.y + t * t * q.end.y});
    }
    start = q.end;
  }
  return samples;
}

double Distance(CurvePoint p, const std::vector<CurvePoint>& samples) {
  double best = 1e300;
  for (const CurvePoint& s : samples) best = std::min(best, std::hypot(p.x - s.x, p.y - s.y));
  return best;
}

TEST(FontOutlineConversion, CubicsBecomeQuadraticsWithinOneSixteenthOfAUnit) {
  const double unit = 65536;
  const CurvePoint p0{0, 0}, p1{0, 300 * unit}, p2{400 * unit, -300 * unit}, p3{400 * unit, 0};
  std::vector<QuadraticPiece> pieces;
  CubicToQuadratics(p0, p1, p2, p3, unit / 16, pieces);
  ASSERT_GT(pieces.size(), 1u);
  EXPECT_LT(pieces.size(), 64u);
  const auto samples = SampleQuadratics(p0, pieces);
  for (int k = 0; k <= 400; ++k) {
    EXPECT_LE(Distance(Cubic(p0, p1, p2, p3, k / 400.0), samples), unit / 16 + unit / 64) << k;
  }
  // A cubic that is an exact quadratic needs one piece.
  pieces.clear();
  CubicToQuadratics({0, 0}, {20 * unit, 20 * unit}, {40 * unit, 20 * unit}, {60 * unit, 0}, unit / 16, pieces);
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_DOUBLE_EQ(pieces[0].control.x, 30 * unit);
  EXPECT_DOUBLE_EQ(pieces[0].control.y, 30 * unit);
}

TEST(FontOutlineConversion, CubicOutlinesAreNotReadAsQuadratic) {
  // A CFF-style contour: on, cubic, cubic, on, closing with a line.
  TestOutline outline({{{0, 0, kOn}, {0, 300, kCubic}, {400, -300, kCubic}, {400, 0, kOn}}});
  const GlyphOutline result = ConvertOutline(outline.Get());
  ASSERT_EQ(result.size(), 1u);
  ASSERT_GT(result[0].records.size(), 1u);
  for (const CurveRecord& r : result[0].records) {
    EXPECT_EQ(r.kind, CurveKind::kQuadraticSpline);
    EXPECT_EQ(r.points.size(), 2u);  // one control, one explicit end point per piece
  }
  EXPECT_EQ(result[0].records.back().points.back(), Px(400, 0));
  // Every piece end lies on the cubic.
  std::vector<CurvePoint> curve;
  // Dyadic samples: the pieces end at dyadic parameters.
  for (int k = 0; k <= 4096; ++k) {
    curve.push_back(Cubic({0, 0}, {0, 300 * 65536.0}, {400 * 65536.0, -300 * 65536.0}, {400 * 65536.0, 0}, k / 4096.0));
  }
  for (const CurveRecord& r : result[0].records) {
    const OutlinePoint end = r.points.back();
    EXPECT_LE(Distance({double(end.x), double(end.y)}, curve), 65536.0 / 16);
  }
}

}  // namespace
}  // namespace platform
