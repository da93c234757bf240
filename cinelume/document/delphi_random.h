#pragma once

#include <cstdint>

namespace cinelume {

// The pseudo-random generator the "Rainbow" effect has always used:
// RandSeed := RandSeed * 134775813 + 1 (mod 2^32) before every draw, and
// Random(N) = the high 32 bits of RandSeed * N. Kept exact so a seeded run
// gives the same colours as ever.
class TDelphiRandom {
 public:
  explicit TDelphiRandom(std::uint32_t seed = 0) : seed_(seed) {}

  std::uint32_t RandSeed() const { return seed_; }
  void SetRandSeed(std::uint32_t seed) { seed_ = seed; }
  // Seeds from the clock.
  void Randomize();
  // 0 .. n - 1.
  std::uint32_t Random(std::uint32_t n);

 private:
  std::uint32_t seed_;
};

}  // namespace cinelume
