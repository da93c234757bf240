#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

#include "vectrel/encoding/sound_format.h"

namespace vectrel {

// Reads a PCM WAV file: fills `format` and hands back the bytes of the data
// chunk in `samples`. On failure `format` keeps the fields read so far
// (format is 1 from the start) and `samples` is empty.
//
// Unknown chunks ("LIST", "fact", "cue " ...) are skipped; WAVE_FORMAT_PCM and
// WAVE_FORMAT_EXTENSIBLE with a PCM sub-format are accepted, 8 or 16 bits,
// one or two channels. The data chunk is never allocated larger than what
// the file still holds. Each step is reported through `Trace`.
bool ReadWave(std::FILE* file, SoundFormat& format, std::vector<std::uint8_t>& samples);
bool ReadWave(std::span<const std::uint8_t> file, SoundFormat& format,
              std::vector<std::uint8_t>& samples);

}  // namespace vectrel
