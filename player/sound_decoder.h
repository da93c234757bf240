#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "player/sound.h"

namespace swfplayer {

// 16-bit PCM, interleaved when stereo.
struct DecodedSound {
  int rate = 0;
  int channels = 1;
  std::vector<std::int16_t> samples;

  std::size_t FrameCount() const { return channels > 0 ? samples.size() / channels : 0; }
};

// SWF ADPCM (2 to 5 bits per code, blocks of 4096 frames); stops at
// `max_frames` or where the data ends.
std::vector<std::int16_t> DecodeAdpcm(std::span<const std::uint8_t> data, bool stereo, std::uint32_t max_frames);

// ADPCM and uncompressed PCM; other formats (MP3, Nellymoser) give no samples.
DecodedSound DecodeSound(const SoundCharacter& sound);

}  // namespace swfplayer
