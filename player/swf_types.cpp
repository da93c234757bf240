#include "player/swf_types.h"

#include <algorithm>
#include <cmath>

namespace swfplayer {
namespace {
std::uint8_t Channel(double value, double mult, double add) {
  const double v = value * mult / 256.0 + add;
  return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}
}  // namespace

Rgba ColorTransform::Apply(const Rgba& c) const {
  if (IsIdentity()) return c;
  return Rgba{Channel(c.r, mult[0], add[0]), Channel(c.g, mult[1], add[1]), Channel(c.b, mult[2], add[2]),
              Channel(c.a, mult[3], add[3])};
}

ColorTransform ColorTransform::Compose(const ColorTransform& inner) const {
  ColorTransform out;
  for (int i = 0; i < 4; ++i) {
    out.mult[i] = mult[i] * inner.mult[i] / 256.0;
    out.add[i] = add[i] + mult[i] * inner.add[i] / 256.0;
  }
  return out;
}

}  // namespace swfplayer
