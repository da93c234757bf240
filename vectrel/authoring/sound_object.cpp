#include "vectrel/authoring/sound_object.h"

#include <cstdio>

#include "vectrel/authoring/frame.h"
#include "vectrel/encoding/sound_info.h"
#include "vectrel/encoding/sound_stream_head_record.h"
#include "vectrel/encoding/start_sound_record.h"

namespace vectrel {

std::unique_ptr<SoundObject> SoundObject::Make(const std::string& filename) {
  std::FILE* file = std::fopen(filename.c_str(), "rb");
  if (file == nullptr) return nullptr;
  auto record = std::make_unique<DefineSoundRecord>(file, 5);
  std::fclose(file);
  return std::make_unique<SoundObject>(std::move(record));
}

SoundObject::SoundObject(std::unique_ptr<DefineSoundRecord> record)
    : record_(std::move(record)),
      format_(record_->format()),
      payload_(record_->payload()),
      record_epoch_(CharacterIdEpoch()) {
  set_character_id(record_->CharacterId());
}

int SoundObject::AddToFrame(Frame& frame, MovieModel& movie) {
  if (!IsDefinedIn(movie)) {
    // A record whose id was taken before a movie was written could collide
    // with the ids of the movie being built now.
    if (!record_ || record_epoch_ != CharacterIdEpoch()) {
      record_ = std::make_unique<DefineSoundRecord>(NextCharacterId(), format_, payload_);
      set_character_id(record_->CharacterId());
    }
    frame.Append(std::make_unique<SoundStreamHeadRecord>(format_));
    frame.Append(std::move(record_));
    MarkDefinedIn(movie);
  }
  frame.Append(std::make_unique<StartSoundRecord>(static_cast<std::uint16_t>(character_id()), SoundInfo{}));
  return 0;
}

}  // namespace vectrel
