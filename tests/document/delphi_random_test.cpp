#include <gtest/gtest.h>

#include "cinelume/document/delphi_random.h"

namespace documenttest {
namespace {

// The sequence of the old runtime: seed * 134775813 + 1, then the high half
// of seed * N.
TEST(DelphiRandomTest, SequenceFromAFixedSeed) {
  cinelume::TDelphiRandom random(0);
  EXPECT_EQ(random.Random(255), 0u);
  EXPECT_EQ(random.RandSeed(), 1u);
  EXPECT_EQ(random.Random(255), 8u);
  EXPECT_EQ(random.RandSeed(), 134775814u);

  random.SetRandSeed(0xFFFFFFFFu);  // wraps modulo 2^32
  random.Random(255);
  EXPECT_EQ(random.RandSeed(), static_cast<std::uint32_t>(0xFFFFFFFFull * 134775813ull + 1));
  for (int i = 0; i < 1000; ++i) EXPECT_LT(random.Random(255), 255u);
}

}  // namespace
}  // namespace documenttest
