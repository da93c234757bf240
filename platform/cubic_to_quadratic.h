#pragma once

#include <vector>

namespace platform {

struct CurvePoint {
  double x = 0;
  double y = 0;
};

// One quadratic piece: control point and end point (the start is the end of
// the piece before).
struct QuadraticPiece {
  CurvePoint control;
  CurvePoint end;
};

// Approximates the cubic Bezier p0..p3 by quadratic pieces that stay within
// `tolerance` of it (same units as the points), appended to `out`.
// Subdivision stops at 1024 pieces, whatever the tolerance.
void CubicToQuadratics(CurvePoint p0, CurvePoint p1, CurvePoint p2, CurvePoint p3, double tolerance,
                       std::vector<QuadraticPiece>& out);

}  // namespace platform
