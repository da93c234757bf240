#include "vectrel/encoding/adpcm_encoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "support/bytes.h"

namespace vectrel {
namespace {

using testsupport::Bytes;
using testsupport::ToHex;

Bytes EncodeAll(const std::vector<std::int16_t>& samples, bool stereo, int code_bits) {
  AdpcmEncoder encoder((stereo ? 1 : 0) | 2, code_bits);
  Bytes out;
  encoder.Encode(samples.data(), samples.size() / (stereo ? 2 : 1), out);
  encoder.Flush(out);
  return out;
}

// Reads the stream back field by field, most significant bit first.
class BitReader {
 public:
  explicit BitReader(const Bytes& bytes) : bytes_(bytes) {}
  void Seek(std::uint64_t bit) { bit_ = bit; }
  std::uint32_t Read(int count) {
    std::uint32_t v = 0;
    for (int i = 0; i < count; ++i, ++bit_) {
      const std::uint8_t byte = bytes_.at(static_cast<std::size_t>(bit_ / 8));
      v = (v << 1) | ((byte >> (7 - bit_ % 8)) & 1u);
    }
    return v;
  }
  std::int16_t ReadSample() { return static_cast<std::int16_t>(Read(16)); }

 private:
  const Bytes& bytes_;
  std::uint64_t bit_ = 0;
};

// A signal with some of everything: tone, noise, steps to full scale.
std::vector<std::int16_t> TestSignal(std::size_t frames, int channels) {
  std::vector<std::int16_t> s(frames * static_cast<std::size_t>(channels));
  std::uint32_t noise = 12345;
  for (std::size_t f = 0; f < frames; ++f) {
    for (int c = 0; c < channels; ++c) {
      noise = noise * 1103515245u + 12345u;
      double v = 12000.0 * std::sin(static_cast<double>(f) * (0.05 + 0.03 * c)) +
                 static_cast<double>(static_cast<int>(noise >> 20) - 2048);
      if ((f / 3000) % 3 == 2) v = (f / 50) % 2 ? 32767.0 : -32768.0;
      s[f * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)] =
          static_cast<std::int16_t>(std::lround(std::fmax(-32768.0, std::fmin(32767.0, v))));
    }
  }
  return s;
}

struct ExampleCase {
  int code_bits;
  const char* expected;
};

class AdpcmDocumentedExample : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(AdpcmDocumentedExample, EncodesByteForByte) {
  // Code size, raw sample 0 with index 28 (|100 - 0| <= 107), three codes, padding.
  EXPECT_EQ(ToHex(EncodeAll({0, 100, 50, -20}, false, GetParam().code_bits)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Codes, AdpcmDocumentedExample,
                         ::testing::Values(ExampleCase{5, "C0 00 1C 3D 2A"},
                                           ExampleCase{4, "80 00 1C 39 B0"}));

TEST(AdpcmEncoder, CodeSizeFieldOpensTheStream) {
  for (int bits = 2; bits <= 5; ++bits) {
    AdpcmEncoder encoder(2, bits);
    Bytes out;
    encoder.Encode(nullptr, 0, out);
    encoder.Flush(out);
    ASSERT_EQ(out.size(), 1u) << bits;
    EXPECT_EQ(out[0], (bits - 2) << 6) << bits;
  }
}

TEST(AdpcmEncoder, BlockStartOnTheLastFrameHasIndexZero) {
  // One frame: code size, raw sample, index 0 (there is no next frame).
  EXPECT_EQ(ToHex(EncodeAll({1000}, false, 5)), "C0 FA 00");
  EXPECT_EQ(ToHex(EncodeAll({1000, -1}, true, 5)), "C0 FA 00 FF FF 00");
}

TEST(AdpcmEncoder, BlockStartIndexIsCappedAt63) {
  // A jump of 65535 would need index 88; the 6-bit field allows 63.
  const Bytes out = EncodeAll({-32768, 32767}, false, 5);
  BitReader r(out);
  r.Seek(2 + 16);
  EXPECT_EQ(r.Read(6), 63u);
}

struct BoundaryCase {
  bool stereo;
  std::size_t frames;
};

class AdpcmBlockBoundary : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(AdpcmBlockBoundary, FrameAfter4096StartsANewBlock) {
  const auto [stereo, frames] = GetParam();
  const std::size_t channels = stereo ? 2 : 1;
  auto samples = TestSignal(frames, static_cast<int>(channels));
  // Frame 4096 and its successor: left rises by 100 (index 28, step 107),
  // right falls by 300 (index 39, step 307).
  if (frames > 4096) {
    samples[4096 * channels] = 1000;
    if (stereo) samples[4096 * channels + 1] = -2000;
  }
  if (frames > 4097) {
    samples[4097 * channels] = 1100;
    if (stereo) samples[4097 * channels + 1] = -2300;
  }
  const Bytes out = EncodeAll(samples, stereo, 5);
  EXPECT_EQ(out.size(), AdpcmEncoder::EncodedSize(frames, static_cast<int>(channels), 5));

  // Raw frames carry 22 bits per channel, the others 5.
  const std::uint64_t first_block = std::min<std::size_t>(frames, 4096);
  std::uint64_t bits = 2 + channels * (22 + (first_block - 1) * 5);
  if (frames > 4096) bits += channels * (22 + (frames - 4097) * 5);
  EXPECT_EQ(out.size(), (bits + 7) / 8);
  if (frames <= 4096) return;

  BitReader r(out);
  r.Seek(2 + channels * (22 + 4095 * 5));
  const int expected_index[2] = {frames == 4097 ? 0 : 28, frames == 4097 ? 0 : 39};
  for (std::size_t c = 0; c < channels; ++c) {
    EXPECT_EQ(r.ReadSample(), samples[4096 * channels + c]) << "channel " << c;
    EXPECT_EQ(r.Read(6), static_cast<std::uint32_t>(expected_index[c])) << "channel " << c;
  }
}

INSTANTIATE_TEST_SUITE_P(Frames, AdpcmBlockBoundary,
                         ::testing::Values(BoundaryCase{false, 4096}, BoundaryCase{false, 4097},
                                           BoundaryCase{false, 4098}, BoundaryCase{true, 4096},
                                           BoundaryCase{true, 4097}, BoundaryCase{true, 4098}));

struct PieceCase {
  bool stereo;
  std::size_t piece;
};

class AdpcmPieces : public ::testing::TestWithParam<PieceCase> {};

TEST_P(AdpcmPieces, OutputDoesNotDependOnHowTheSoundIsCut) {
  const auto [stereo, piece] = GetParam();
  const std::size_t channels = stereo ? 2 : 1;
  const std::size_t frames = 3 * 4096 + 17;
  const auto samples = TestSignal(frames, static_cast<int>(channels));
  const Bytes whole = EncodeAll(samples, stereo, 5);

  AdpcmEncoder encoder((stereo ? 1 : 0) | 2, 5);
  Bytes out;
  for (std::size_t done = 0; done < frames; done += piece) {
    const std::size_t n = std::min(piece, frames - done);
    encoder.Encode(samples.data() + done * channels, n, out);
  }
  encoder.Flush(out);
  EXPECT_EQ(encoder.frames_done(), frames);
  EXPECT_TRUE(out == whole) << "piece " << piece;
}

// 4096 is how sounds are fed; 4097 and 1 put a block's first frame at the
// end of a call, where its index must wait for the next call.
INSTANTIATE_TEST_SUITE_P(Sizes, AdpcmPieces,
                         ::testing::Values(PieceCase{false, 4096}, PieceCase{true, 4096}, PieceCase{false, 4097},
                                           PieceCase{true, 4097}, PieceCase{false, 1}, PieceCase{true, 1},
                                           PieceCase{false, 4095}, PieceCase{true, 333}));

TEST(AdpcmEncoder, EmptyCallsDoNotDisturbAPendingBlockStart) {
  const std::vector<std::int16_t> samples = {5, 900, 40};
  AdpcmEncoder encoder(2, 5);
  Bytes out;
  encoder.Encode(samples.data(), 1, out);
  encoder.Encode(samples.data() + 1, 0, out);
  encoder.Encode(samples.data() + 1, 2, out);
  encoder.Flush(out);
  EXPECT_EQ(out, EncodeAll(samples, false, 5));
}

TEST(AdpcmEncoder, EncodeWaveDataWidens8BitSamples) {
  // Unsigned 8-bit b is the 16-bit sample (b - 128) * 256.
  const Bytes eight = {128, 228, 0, 255};
  const Bytes widened = EncodeAll({0, 25600, -32768, 32512}, false, 5);
  EXPECT_EQ(EncodeWaveData(eight.data(), 4, false, false, 5), widened);
  const Bytes stereo_eight = {128, 228, 0, 255};
  EXPECT_EQ(EncodeWaveData(stereo_eight.data(), 2, true, false, 5), EncodeAll({0, 25600, -32768, 32512}, true, 5));
}

TEST(AdpcmEncoder, EncodeWaveDataReadsLittleEndian16BitAcrossPieces) {
  for (bool stereo : {false, true}) {
    const std::size_t channels = stereo ? 2 : 1;
    const std::size_t frames = 2 * 4096 + 1;
    const auto samples = TestSignal(frames, static_cast<int>(channels));
    Bytes data;
    for (std::int16_t s : samples) {
      data.push_back(static_cast<std::uint8_t>(s));
      data.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(s) >> 8));
    }
    const Bytes out = EncodeWaveData(data.data(), frames, stereo, true, 5);
    EXPECT_EQ(out, EncodeAll(samples, stereo, 5)) << "stereo " << stereo;
    // Reserved to the exact size: no slack from growth.
    EXPECT_EQ(out.capacity(), out.size());
  }
}

TEST(AdpcmEncoder, EncodedSizeCountsRawFramesAndCodes) {
  EXPECT_EQ(AdpcmEncoder::EncodedSize(0, 1, 5), 1u);
  EXPECT_EQ(AdpcmEncoder::EncodedSize(4, 1, 5), 5u);   // 2 + 22 + 15 bits
  EXPECT_EQ(AdpcmEncoder::EncodedSize(4, 1, 4), 5u);   // 2 + 22 + 12 bits
  EXPECT_EQ(AdpcmEncoder::EncodedSize(1, 2, 2), 6u);   // 2 + 44 bits
  EXPECT_EQ(EncodeAll(std::vector<std::int16_t>(20000 * 2, 7), true, 3).size(),
            AdpcmEncoder::EncodedSize(20000, 2, 3));
}

// Mirror of the encoder's arithmetic, to see that a decoder following the
// format tracks the input (the independent check is ffmpeg's decoder).
std::vector<std::int16_t> Decode(const Bytes& data, std::size_t frames, int channels) {
  static const int steps[89] = {7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21, 23, 25, 28, 31, 34, 37, 41, 45, 50,
                                55, 60, 66, 73, 80, 88, 97, 107, 118, 130, 143, 157, 173, 190, 209, 230, 253, 279,
                                307, 337, 371, 408, 449, 494, 544, 598, 658, 724, 796, 876, 963, 1060, 1166, 1282,
                                1411, 1552, 1707, 1878, 2066, 2272, 2499, 2749, 3024, 3327, 3660, 4026, 4428, 4871,
                                5358, 5894, 6484, 7132, 7845, 8630, 9493, 10442, 11487, 12635, 13899, 15289, 16818,
                                18500, 20350, 22385, 24623, 27086, 29794, 32767};
  static const int index5[16] = {-1, -1, -1, -1, -1, -1, -1, -1, 1, 2, 4, 6, 8, 10, 13, 16};
  BitReader r(data);
  const int bits = static_cast<int>(r.Read(2)) + 2;
  EXPECT_EQ(bits, 5);
  std::vector<std::int16_t> out;
  int pred[2] = {}, index[2] = {};
  for (std::size_t f = 0; f < frames; ++f) {
    for (int c = 0; c < channels; ++c) {
      if (f % 4096 == 0) {
        pred[c] = r.ReadSample();
        index[c] = static_cast<int>(r.Read(6));
      } else {
        const std::uint32_t code = r.Read(bits);
        int step = steps[index[c]];
        int delta = 0;
        for (std::uint32_t mask = 8; mask != 0; mask >>= 1) {
          if (code & mask) delta += step;
          step >>= 1;
        }
        delta += step;
        pred[c] = std::clamp((code & 16) ? pred[c] - delta : pred[c] + delta, -32768, 32767);
        index[c] = std::clamp(index[c] + index5[code & 15], 0, 88);
      }
      out.push_back(static_cast<std::int16_t>(pred[c]));
    }
  }
  return out;
}

TEST(AdpcmEncoder, DecodedStreamFollowsTheSignalIncludingFullScale) {
  for (bool stereo : {false, true}) {
    const std::size_t channels = stereo ? 2 : 1;
    const std::size_t frames = 10000;
    const auto samples = TestSignal(frames, static_cast<int>(channels));
    const auto decoded = Decode(EncodeAll(samples, stereo, 5), frames, static_cast<int>(channels));
    double signal = 0, noise = 0;
    for (std::size_t f = 0; f < frames; ++f) {
      for (std::size_t c = 0; c < channels; ++c) {
        const std::size_t i = f * channels + c;
        if ((f / 3000) % 3 == 2) {
          // Full-scale square wave, 50 frames per half: by the end of each
          // half the predictor is at the rail, not wrapped past it.
          if (f % 50 == 49) {
            EXPECT_NEAR(decoded[i], samples[i], 64) << "frame " << f;
          }
          continue;
        }
        signal += static_cast<double>(samples[i]) * samples[i];
        noise += static_cast<double>(samples[i] - decoded[i]) * (samples[i] - decoded[i]);
      }
    }
    EXPECT_GT(10 * std::log10(signal / noise), 18.0) << "stereo " << stereo;
  }
}

}  // namespace
}  // namespace vectrel
