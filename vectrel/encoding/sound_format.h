#pragma once

#include <cstdint>

namespace vectrel {

// The format fields of a DefineSound record, as read from a WAV file.
struct SoundFormat {
  std::uint8_t format = 0;  // 1 = ADPCM once a WAV file was given, 0 without one
  std::uint8_t rate_code = 0;  // 0 = 5.5 kHz, 1 = 11 kHz, 2 = 22 kHz, 3 = 44 kHz
  bool sixteen_bit = false;
  bool stereo = false;
  std::uint32_t sample_count = 0;  // sample frames: one sample per channel

  int channels() const { return stereo ? 2 : 1; }
  int bytes_per_sample() const { return sixteen_bit ? 2 : 1; }
  // Stereo + 2 x 16-bit + 4 x rate code: the flags word of the ADPCM encoder
  // and the playback byte of SoundStreamHead.
  std::uint8_t flags() const {
    return static_cast<std::uint8_t>((stereo ? 1 : 0) + (sixteen_bit ? 2 : 0) + 4 * (rate_code & 3));
  }
};

}  // namespace vectrel
