#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace cinelume {

// Real arguments are clamped into the range of the writer's parameter before
// the call, so an extreme effect value bends the picture instead of making
// the writer refuse the call and end the movie there. NaN becomes `lo`.
inline double ClampReal(double value, double lo, double hi) {
  if (std::isnan(value)) return lo;
  return value < lo ? lo : (value > hi ? hi : value);
}
inline double ClampLong(double value) {
  return ClampReal(value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
}
inline double ClampByte(double value) { return ClampReal(value, 0, 255); }

inline std::int32_t ClampLong(std::int64_t value) {
  if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

}  // namespace cinelume
