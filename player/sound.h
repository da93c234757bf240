#pragma once

#include <cstdint>
#include <vector>

#include "player/character.h"

namespace swfplayer {

// DefineSound as stored in the file.
class SoundCharacter final : public Character {
 public:
  enum Format { kUncompressedNative = 0, kAdpcm = 1, kMp3 = 2, kUncompressedLittleEndian = 3 };

  SoundCharacter(std::uint16_t id, int format, int rate_code, bool sixteen_bit, bool stereo,
                 std::uint32_t sample_count, std::vector<std::uint8_t> data)
      : Character(id),
        format_(format),
        rate_code_(rate_code),
        sixteen_bit_(sixteen_bit),
        stereo_(stereo),
        sample_count_(sample_count),
        data_(std::move(data)) {}
  CharacterKind kind() const override { return CharacterKind::kSound; }

  int format() const { return format_; }
  int rate_code() const { return rate_code_; }
  int SampleRate() const;
  bool sixteen_bit() const { return sixteen_bit_; }
  bool stereo() const { return stereo_; }
  std::uint32_t sample_count() const { return sample_count_; }
  const std::vector<std::uint8_t>& data() const { return data_; }

 private:
  int format_;
  int rate_code_;
  bool sixteen_bit_;
  bool stereo_;
  std::uint32_t sample_count_;
  std::vector<std::uint8_t> data_;
};

}  // namespace swfplayer
