#pragma once

#include <cmath>
#include <cstdint>

namespace cinelume {

// The editor's Round: nearest integer, halves to the even neighbour
// (round(160.5) = 160, round(12.5) = 12). Never std::round, which rounds
// halves away from zero.
inline double RoundHalfEven(double value) { return std::nearbyint(value); }

}  // namespace cinelume
