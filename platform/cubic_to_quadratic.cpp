#include "platform/cubic_to_quadratic.h"

#include <cmath>

namespace platform {
namespace {

CurvePoint Mid(CurvePoint a, CurvePoint b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

void Approximate(CurvePoint p0, CurvePoint p1, CurvePoint p2, CurvePoint p3, double tolerance, int depth,
                 std::vector<QuadraticPiece>& out) {
  // The quadratic with control (3(p1 + p2) - p0 - p3) / 4 shares the ends of
  // the cubic; their distance is t(1-t)(1-2t)/2 * d with d = p3 - 3p2 + 3p1 - p0,
  // at most sqrt(3)/36 * |d|.
  const double dx = p3.x - 3 * p2.x + 3 * p1.x - p0.x;
  const double dy = p3.y - 3 * p2.y + 3 * p1.y - p0.y;
  const double error = std::sqrt(3.0) / 36.0 * std::hypot(dx, dy);
  if (depth >= 10 || !(error > tolerance)) {
    out.push_back({{(3 * (p1.x + p2.x) - p0.x - p3.x) / 4, (3 * (p1.y + p2.y) - p0.y - p3.y) / 4}, p3});
    return;
  }
  // Split in the middle (de Casteljau); each half's d is an eighth.
  const CurvePoint a = Mid(p0, p1), b = Mid(p1, p2), c = Mid(p2, p3);
  const CurvePoint ab = Mid(a, b), bc = Mid(b, c);
  const CurvePoint m = Mid(ab, bc);
  Approximate(p0, a, ab, m, tolerance, depth + 1, out);
  Approximate(m, bc, c, p3, tolerance, depth + 1, out);
}

}  // namespace

void CubicToQuadratics(CurvePoint p0, CurvePoint p1, CurvePoint p2, CurvePoint p3, double tolerance,
                       std::vector<QuadraticPiece>& out) {
  Approximate(p0, p1, p2, p3, tolerance, 0, out);
}

}  // namespace platform
