#include "cinelume/document/delphi_random.h"

#include <chrono>

namespace cinelume {

void TDelphiRandom::Randomize() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  seed_ = static_cast<std::uint32_t>(ticks);
}

std::uint32_t TDelphiRandom::Random(std::uint32_t n) {
  seed_ = seed_ * 134775813u + 1u;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
}

}  // namespace cinelume
