#pragma once

#include <cstdint>

#include "vectrel/encoding/sound_info.h"
#include "vectrel/encoding/tag_record.h"

namespace vectrel {

// StartSound: starts the event sound `sound_id` in the frame that holds it.
class StartSoundRecord final : public TagRecord {
 public:
  StartSoundRecord(std::uint16_t sound_id, const SoundInfo& info) : sound_id_(sound_id), info_(info) {}
  void Write(OutputBuffer& file) override;

  std::uint16_t sound_id() const { return sound_id_; }
  const SoundInfo& info() const { return info_; }

 private:
  std::uint16_t sound_id_;
  SoundInfo info_;
};

}  // namespace vectrel
