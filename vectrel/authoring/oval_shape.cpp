#include "vectrel/authoring/oval_shape.h"

#include <cfloat>
#include <cmath>

#include "vectrel/encoding/define_shape3.h"

namespace vectrel {
namespace {

static_assert(LDBL_MANT_DIG == 64, "the oval's products are formed with a 64-bit mantissa");

// The double constants (not the exact trigonometric values); the products
// are formed in extended precision and truncated one by one, so that
// 1000 x 0.207 gives 206.
constexpr double kStart = 0.8535;
constexpr double kCorner = 0.1465;
constexpr double kSide = 0.207;

int Product(double constant, int extent) {
  return static_cast<int>(std::trunc(static_cast<long double>(extent) * static_cast<long double>(constant)));
}

}  // namespace

std::pair<int, int> OvalShape::StartPoint() const {
  const int w = bounds().xmax - bounds().xmin;
  const int h = bounds().ymax - bounds().ymin;
  const long double x = bounds().xmin + static_cast<long double>(w) * static_cast<long double>(kStart);
  const long double y = bounds().ymin + static_cast<long double>(h) * static_cast<long double>(kStart);
  return {static_cast<int>(std::trunc(x)), static_cast<int>(std::trunc(y))};
}

void OvalShape::AppendEdges(DefineShape3Record& shape) const {
  const int w = bounds().xmax - bounds().xmin;
  const int h = bounds().ymax - bounds().ymin;
  const int cw = Product(kCorner, w), ch = Product(kCorner, h);
  const int sw = Product(kSide, w), sh = Product(kSide, h);
  const int curves[8][4] = {
      {-cw, ch, -sw, 0}, {-sw, 0, -cw, -ch}, {-cw, -ch, 0, -sh}, {0, -sh, cw, -ch},
      {cw, -ch, sw, 0},  {sw, 0, cw, ch},    {cw, ch, 0, sh},    {0, sh, -cw, ch},
  };
  for (const auto& c : curves) shape.AddShapeRecord(std::make_unique<CurvedEdgeRecord>(c[0], c[1], c[2], c[3]));
}

}  // namespace vectrel
