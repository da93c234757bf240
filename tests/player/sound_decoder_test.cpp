#include <gtest/gtest.h>

#include "player/qt_sound_output.h"
#include "player/sound_decoder.h"
#include "support/bytes.h"

namespace playertest {
namespace {

TEST(SoundDecoder, AdpcmFollowsTheEncodersPrediction) {
  // Samples 0, 100, 50, -20 encoded with 5-bit and with 4-bit codes.
  const struct {
    const char* hex;
  } cases[] = {{"C0 00 1C 3D 2A"}, {"80 00 1C 39 B0"}};
  const int original[] = {0, 100, 50, -20};
  for (const auto& c : cases) {
    const auto samples = swfplayer::DecodeAdpcm(testsupport::Hex(c.hex), false, 4);
    ASSERT_EQ(samples.size(), 4u) << c.hex;
    EXPECT_EQ(samples[0], 0);
    for (int i = 1; i < 4; ++i) EXPECT_NEAR(samples[i], original[i], 40) << c.hex << " sample " << i;
  }
}

TEST(SoundDecoder, AdpcmStopsWhereTheDataEnds) {
  const auto samples = swfplayer::DecodeAdpcm(testsupport::Hex("C0 00 1C"), false, 0xFFFFFFFF);
  EXPECT_LE(samples.size(), 2u);
  EXPECT_TRUE(swfplayer::DecodeAdpcm({}, true, 1000).empty());
}

TEST(SoundDecoder, UncompressedPcm) {
  swfplayer::SoundCharacter eight(1, 3, 1, false, false, 2, testsupport::Hex("80 E4"));
  const auto a = swfplayer::DecodeSound(eight);
  EXPECT_EQ(a.rate, 11025);
  EXPECT_EQ(a.samples, (std::vector<std::int16_t>{0, 25600}));
  swfplayer::SoundCharacter sixteen(2, 3, 3, true, true, 100, testsupport::Hex("01 00 FF FF 10 00"));
  const auto b = swfplayer::DecodeSound(sixteen);
  EXPECT_EQ(b.channels, 2);
  EXPECT_EQ(b.samples, (std::vector<std::int16_t>{1, -1}));  // the odd last sample has no partner
  swfplayer::SoundCharacter mp3(3, 2, 3, true, false, 100, testsupport::Hex("FF FB 90 00"));
  EXPECT_TRUE(swfplayer::DecodeSound(mp3).samples.empty());
}

TEST(SoundDecoder, ResampleDoublesTheRateAndChannels) {
  swfplayer::DecodedSound s;
  s.rate = 22050;
  s.channels = 1;
  s.samples = {0, 1000};
  const auto out = swfplayer::Resample(s, 44100, 2);
  ASSERT_EQ(out.size(), 8u);
  EXPECT_EQ(out[0], 0);
  EXPECT_EQ(out[1], 0);
  EXPECT_EQ(out[2], 500);
  EXPECT_EQ(out[4], 1000);
}

}  // namespace
}  // namespace playertest
