#pragma once

#include <cstdint>

#include "vectrel/encoding/sound_format.h"
#include "vectrel/encoding/tag_record.h"

namespace vectrel {

// SoundStreamHead ahead of an event sound's definition: announces an ADPCM
// stream that never comes (no SoundStreamBlock is written).
class SoundStreamHeadRecord final : public TagRecord {
 public:
  // playback: reserved 0, PlaybackSoundRate, PlaybackSoundSize,
  // PlaybackSoundType, packed as in `SoundFormat::flags`.
  SoundStreamHeadRecord(std::uint8_t playback, bool stereo, std::uint16_t sample_count)
      : playback_(playback), stereo_(stereo), sample_count_(sample_count) {}
  // As made for a sound: its flags, stereo flag and sample count cut to 16 bits.
  explicit SoundStreamHeadRecord(const SoundFormat& format)
      : SoundStreamHeadRecord(format.flags(), format.stereo,
                              static_cast<std::uint16_t>(format.sample_count)) {}

  void Write(OutputBuffer& file) override;

  std::uint8_t playback() const { return playback_; }
  bool stereo() const { return stereo_; }
  std::uint16_t sample_count() const { return sample_count_; }

 private:
  std::uint8_t playback_;
  bool stereo_;
  std::uint16_t sample_count_;
};

}  // namespace vectrel
