#include "player/sound_decoder.h"

#include <algorithm>

#include "player/bit_reader.h"

namespace swfplayer {
namespace {

constexpr int kStepTable[89] = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,    28,
    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,   118,
    130,   143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,   494,
    544,   598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,
    2272,  2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,
    9493,  10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

constexpr int kIndex2[] = {-1, 2};
constexpr int kIndex3[] = {-1, -1, 2, 4};
constexpr int kIndex4[] = {-1, -1, -1, -1, 2, 4, 6, 8};
constexpr int kIndex5[] = {-1, -1, -1, -1, -1, -1, -1, -1, 1, 2, 4, 6, 8, 10, 13, 16};

const int* IndexTable(int bits) {
  switch (bits) {
    case 2: return kIndex2;
    case 3: return kIndex3;
    case 4: return kIndex4;
    default: return kIndex5;
  }
}

}  // namespace

int SoundCharacter::SampleRate() const {
  static constexpr int kRates[4] = {5512, 11025, 22050, 44100};
  return kRates[rate_code_ & 3];
}

std::vector<std::int16_t> DecodeAdpcm(std::span<const std::uint8_t> data, bool stereo, std::uint32_t max_frames) {
  std::vector<std::int16_t> out;
  BitReader in(data);
  const int bits = static_cast<int>(in.ReadUBits(2)) + 2;
  const int channels = stereo ? 2 : 1;
  const int* index_table = IndexTable(bits);
  const std::uint32_t sign_mask = 1u << (bits - 1);
  // No more frames than the data can hold.
  const std::uint64_t bit_budget = static_cast<std::uint64_t>(data.size()) * 8;
  const std::uint64_t possible = bit_budget / (static_cast<std::uint64_t>(bits) * channels);
  const std::uint32_t frames = static_cast<std::uint32_t>(std::min<std::uint64_t>(max_frames, possible + 1));
  out.reserve(static_cast<std::size_t>(frames) * channels);
  int predictor[2] = {0, 0};
  int index[2] = {0, 0};
  for (std::uint32_t frame = 0; frame < frames; ++frame) {
    if (frame % 4096 == 0) {
      for (int c = 0; c < channels; ++c) {
        predictor[c] = in.ReadSBits(16);
        index[c] = static_cast<int>(in.ReadUBits(6));
      }
    } else {
      for (int c = 0; c < channels; ++c) {
        const std::uint32_t code = in.ReadUBits(bits);
        int step = kStepTable[index[c]];
        int change = 0;
        for (std::uint32_t mask = sign_mask >> 1; mask != 0; mask >>= 1) {
          if (code & mask) change += step;
          step >>= 1;
        }
        change += step;
        predictor[c] = std::clamp(code & sign_mask ? predictor[c] - change : predictor[c] + change, -32768, 32767);
        index[c] = std::clamp(index[c] + index_table[code & (sign_mask - 1)], 0, 88);
      }
    }
    if (in.overrun()) break;
    for (int c = 0; c < channels; ++c) out.push_back(static_cast<std::int16_t>(predictor[c]));
  }
  return out;
}

DecodedSound DecodeSound(const SoundCharacter& sound) {
  DecodedSound decoded;
  decoded.rate = sound.SampleRate();
  decoded.channels = sound.stereo() ? 2 : 1;
  const auto& data = sound.data();
  switch (sound.format()) {
    case SoundCharacter::kAdpcm:
      decoded.samples = DecodeAdpcm(data, sound.stereo(), sound.sample_count());
      break;
    case SoundCharacter::kUncompressedNative:
    case SoundCharacter::kUncompressedLittleEndian: {
      const std::size_t limit = static_cast<std::size_t>(sound.sample_count()) * decoded.channels;
      if (sound.sixteen_bit()) {
        const std::size_t n = std::min(limit, data.size() / 2);
        decoded.samples.reserve(n);
        for (std::size_t i = 0; i < n; ++i)
          decoded.samples.push_back(static_cast<std::int16_t>(data[2 * i] | (data[2 * i + 1] << 8)));
      } else {
        const std::size_t n = std::min(limit, data.size());
        decoded.samples.reserve(n);
        for (std::size_t i = 0; i < n; ++i)
          decoded.samples.push_back(static_cast<std::int16_t>((static_cast<int>(data[i]) - 128) * 256));
      }
      break;
    }
    default:
      break;
  }
  decoded.samples.resize(decoded.samples.size() - decoded.samples.size() % decoded.channels);
  return decoded;
}

}  // namespace swfplayer
