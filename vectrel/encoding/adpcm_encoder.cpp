#include "vectrel/encoding/adpcm_encoder.h"

#include <algorithm>
#include <cstdlib>

namespace vectrel {
namespace {

constexpr std::array<int, 89> kStepSizes = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,   253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,   876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749,  3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493,  10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

// Index adjustments per code size, indexed by the code without its sign bit.
constexpr int kIndex2[] = {-1, 2};
constexpr int kIndex3[] = {-1, -1, 2, 4};
constexpr int kIndex4[] = {-1, -1, -1, -1, 2, 4, 6, 8};
constexpr int kIndex5[] = {-1, -1, -1, -1, -1, -1, -1, -1, 1, 2, 4, 6, 8, 10, 13, 16};

template <int kCodeBits>
constexpr const int* IndexTable() {
  if constexpr (kCodeBits == 2) return kIndex2;
  if constexpr (kCodeBits == 3) return kIndex3;
  if constexpr (kCodeBits == 4) return kIndex4;
  return kIndex5;
}

// The 6-bit index field limits a block's first index to 63.
int BlockStartIndex(int difference) {
  const int magnitude = std::abs(difference);
  const auto it = std::lower_bound(kStepSizes.begin(), kStepSizes.begin() + 63, magnitude);
  return static_cast<int>(it - kStepSizes.begin());
}

// One ADPCM code for one sample; updates predictor and step index.
template <int kCodeBits>
inline std::uint32_t CodeSample(int sample, int& predictor, int& step_index) {
  constexpr std::uint32_t kSignBit = 1u << (kCodeBits - 1);
  int diff = sample - predictor;
  std::uint32_t sign = 0;
  if (diff < 0) {
    sign = kSignBit;
    diff = -diff;
  }
  int step = kStepSizes[static_cast<std::size_t>(step_index)];
  std::uint32_t code = 0;
  int change = 0;
  for (std::uint32_t mask = kSignBit >> 1; mask != 0; mask >>= 1) {
    // Branch-free: the comparison is close to random for real audio.
    const int take = diff >= step ? -1 : 0;
    diff -= step & take;
    change += step & take;
    code |= mask & static_cast<std::uint32_t>(take);
    step >>= 1;
  }
  change += step;
  predictor = sign != 0 ? predictor - change : predictor + change;
  predictor = std::clamp(predictor, -32768, 32767);
  step_index = std::clamp(step_index + IndexTable<kCodeBits>()[code], 0, 88);
  return sign | code;
}

}  // namespace

AdpcmEncoder::AdpcmEncoder(int format_flags, int code_bits)
    : channels_((format_flags & 1) != 0 ? 2 : 1),
      needs_widening_((format_flags & 2) == 0),
      code_bits_(std::clamp(code_bits, 2, 5)) {}

std::uint64_t AdpcmEncoder::EncodedSize(std::uint64_t frame_count, int channels, int code_bits) {
  const std::uint64_t blocks = (frame_count + kBlockFrames - 1) / kBlockFrames;
  const auto ch = static_cast<std::uint64_t>(channels);
  const auto bits = 2 + ch * (22 * blocks + static_cast<std::uint64_t>(code_bits) * (frame_count - blocks));
  return (bits + 7) / 8;
}

void AdpcmEncoder::Put(std::uint32_t value, int count, std::vector<std::uint8_t>& out) {
  bits_ = (bits_ << count) | (value & ((std::uint32_t{1} << count) - 1));
  bit_count_ += count;
  while (bit_count_ >= 8) {
    bit_count_ -= 8;
    out.push_back(static_cast<std::uint8_t>(bits_ >> bit_count_));
  }
  bits_ &= (std::uint64_t{1} << bit_count_) - 1;
}

void AdpcmEncoder::WriteBlockStart(const std::int16_t* frame, const std::int16_t* next,
                                   std::vector<std::uint8_t>& out) {
  for (int c = 0; c < channels_; ++c) {
    const int sample = frame[c];
    Channel& state = state_[static_cast<std::size_t>(c)];
    state.predictor = sample;
    state.step_index = next != nullptr ? BlockStartIndex(next[c] - sample) : 0;
    Put(static_cast<std::uint16_t>(sample), 16, out);
    Put(static_cast<std::uint32_t>(state.step_index), 6, out);
  }
}

template <int kChannels, int kCodeBits>
void AdpcmEncoder::EncodeRun(const std::int16_t* samples, std::size_t frame_count,
                             std::vector<std::uint8_t>& out) {
  std::size_t i = 0;
  while (i < frame_count) {
    const std::uint64_t in_block = frames_done_ % kBlockFrames;
    if (in_block == 0) {
      ++frames_done_;
      const std::int16_t* frame = samples + i * kChannels;
      if (i + 1 < frame_count) {
        WriteBlockStart(frame, frame + kChannels, out);
      } else {
        block_start_pending_ = true;
        std::copy(frame, frame + kChannels, pending_frame_.begin());
      }
      ++i;
      continue;
    }
    const std::size_t run = static_cast<std::size_t>(
        std::min<std::uint64_t>(frame_count - i, kBlockFrames - in_block));

    // Room for exactly the whole bytes this run completes, so an output
    // reserved to the sound's size never reallocates.
    const std::size_t old_size = out.size();
    const std::size_t new_bytes =
        (static_cast<std::size_t>(bit_count_) + run * kChannels * kCodeBits) / 8;
    out.resize(old_size + new_bytes);
    std::uint8_t* dst = out.data() + old_size;

    std::uint64_t acc = bits_;
    int count = bit_count_;
    int pred0 = state_[0].predictor, index0 = state_[0].step_index;
    int pred1 = state_[1].predictor, index1 = state_[1].step_index;
    const std::int16_t* src = samples + i * kChannels;
    for (std::size_t f = 0; f < run; ++f, src += kChannels) {
      acc = (acc << kCodeBits) | CodeSample<kCodeBits>(src[0], pred0, index0);
      if constexpr (kChannels == 2) {
        acc = (acc << kCodeBits) | CodeSample<kCodeBits>(src[1], pred1, index1);
      }
      count += kChannels * kCodeBits;
      if (count >= 32) {
        count -= 32;
        const auto word = static_cast<std::uint32_t>(acc >> count);
        dst[0] = static_cast<std::uint8_t>(word >> 24);
        dst[1] = static_cast<std::uint8_t>(word >> 16);
        dst[2] = static_cast<std::uint8_t>(word >> 8);
        dst[3] = static_cast<std::uint8_t>(word);
        dst += 4;
        acc &= (std::uint64_t{1} << count) - 1;
      }
    }
    while (count >= 8) {
      count -= 8;
      *dst++ = static_cast<std::uint8_t>(acc >> count);
    }
    bits_ = acc & ((std::uint64_t{1} << count) - 1);
    bit_count_ = count;
    state_[0] = Channel{pred0, index0};
    state_[1] = Channel{pred1, index1};
    frames_done_ += run;
    i += run;
  }
}

void AdpcmEncoder::Encode(const std::int16_t* samples, std::size_t frame_count,
                          std::vector<std::uint8_t>& out) {
  if (!header_written_) {
    Put(static_cast<std::uint32_t>(code_bits_ - 2), 2, out);
    header_written_ = true;
  }
  if (frame_count == 0) return;
  if (block_start_pending_) {
    block_start_pending_ = false;
    WriteBlockStart(pending_frame_.data(), samples, out);
  }
  const bool two = channels_ == 2;
  switch (code_bits_) {
    case 2: two ? EncodeRun<2, 2>(samples, frame_count, out) : EncodeRun<1, 2>(samples, frame_count, out); break;
    case 3: two ? EncodeRun<2, 3>(samples, frame_count, out) : EncodeRun<1, 3>(samples, frame_count, out); break;
    case 4: two ? EncodeRun<2, 4>(samples, frame_count, out) : EncodeRun<1, 4>(samples, frame_count, out); break;
    default: two ? EncodeRun<2, 5>(samples, frame_count, out) : EncodeRun<1, 5>(samples, frame_count, out); break;
  }
}

void AdpcmEncoder::Flush(std::vector<std::uint8_t>& out) {
  if (block_start_pending_) {
    block_start_pending_ = false;
    WriteBlockStart(pending_frame_.data(), nullptr, out);
  }
  if (bit_count_ > 0) {
    out.push_back(static_cast<std::uint8_t>(bits_ << (8 - bit_count_)));
    bits_ = 0;
    bit_count_ = 0;
  }
}

std::vector<std::uint8_t> EncodeWaveData(const std::uint8_t* data, std::uint32_t frame_count,
                                         bool stereo, bool sixteen_bit, int code_bits) {
  AdpcmEncoder encoder((stereo ? 1 : 0) + (sixteen_bit ? 2 : 0), code_bits);
  const int channels = stereo ? 2 : 1;
  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(
      AdpcmEncoder::EncodedSize(frame_count, channels, encoder.code_bits())));

  // One block of widened samples at a time.
  std::array<std::int16_t, AdpcmEncoder::kBlockFrames * 2> piece{};
  const std::size_t bytes_per_frame = static_cast<std::size_t>(channels) * (sixteen_bit ? 2 : 1);
  std::uint32_t done = 0;
  if (frame_count == 0) encoder.Encode(piece.data(), 0, out);
  while (done < frame_count) {
    const std::uint32_t n = std::min(frame_count - done, AdpcmEncoder::kBlockFrames);
    const std::uint8_t* src = data + static_cast<std::size_t>(done) * bytes_per_frame;
    const std::size_t values = static_cast<std::size_t>(n) * static_cast<std::size_t>(channels);
    if (sixteen_bit) {
      for (std::size_t v = 0; v < values; ++v) {
        piece[v] = static_cast<std::int16_t>(src[2 * v] | (src[2 * v + 1] << 8));
      }
    } else {
      for (std::size_t v = 0; v < values; ++v) {
        piece[v] = static_cast<std::int16_t>((src[v] - 128) * 256);
      }
    }
    encoder.Encode(piece.data(), n, out);
    done += n;
  }
  encoder.Flush(out);
  return out;
}

}  // namespace vectrel
