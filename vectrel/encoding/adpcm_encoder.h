#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vectrel {

// SWF ADPCM: a 2-bit code size, then blocks of 4096 frames, each a raw frame
// (16-bit sample and 6-bit step index per channel) followed by 4095 frames
// of codes, all packed most significant bit first without alignment.
class AdpcmEncoder {
 public:
  static constexpr std::uint32_t kBlockFrames = 4096;

  // format_flags: bit 0 stereo, bit 1 16-bit input (the rate bits are not
  // looked at). code_bits: 2..5, clamped into that range.
  AdpcmEncoder(int format_flags, int code_bits);

  bool stereo() const { return channels_ == 2; }
  // The input came from 8-bit samples; callers widen them before Encode.
  bool needs_widening() const { return needs_widening_; }
  int code_bits() const { return code_bits_; }
  std::uint64_t frames_done() const { return frames_done_; }

  // `samples` holds frame_count frames, interleaved left, right when stereo.
  // May be called repeatedly; the stream continues across calls, and the
  // output does not depend on how the sound is cut into calls.
  void Encode(const std::int16_t* samples, std::size_t frame_count, std::vector<std::uint8_t>& out);
  // Emits what is pending, the last byte padded with zero bits.
  void Flush(std::vector<std::uint8_t>& out);

  // Exact payload size of a whole sound.
  static std::uint64_t EncodedSize(std::uint64_t frame_count, int channels, int code_bits);

 private:
  struct Channel {
    int predictor = 0;
    int step_index = 0;
  };

  template <int kChannels, int kCodeBits>
  void EncodeRun(const std::int16_t* samples, std::size_t frame_count, std::vector<std::uint8_t>& out);
  // next == nullptr: the block's first frame is the sound's last.
  void WriteBlockStart(const std::int16_t* frame, const std::int16_t* next, std::vector<std::uint8_t>& out);
  void Put(std::uint32_t value, int count, std::vector<std::uint8_t>& out);

  int channels_;
  bool needs_widening_;
  int code_bits_;
  bool header_written_ = false;
  std::uint64_t frames_done_ = 0;
  std::array<Channel, 2> state_{};
  std::uint64_t bits_ = 0;  // pending output bits, right-aligned
  int bit_count_ = 0;
  // A block's first frame that ended a call: it waits for the next frame,
  // which decides its step index.
  bool block_start_pending_ = false;
  std::array<std::int16_t, 2> pending_frame_{};
};

// Encodes WAV data chunk bytes (16-bit little-endian or unsigned 8-bit,
// interleaved) in pieces of one block, so only a constant amount of memory
// is used beyond the input and the output.
std::vector<std::uint8_t> EncodeWaveData(const std::uint8_t* data, std::uint32_t frame_count,
                                         bool stereo, bool sixteen_bit, int code_bits);

}  // namespace vectrel
