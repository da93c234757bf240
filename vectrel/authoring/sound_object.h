#pragma once

#include <memory>
#include <string>

#include "vectrel/authoring/display_object.h"
#include "vectrel/encoding/define_sound_record.h"

namespace vectrel {

// An event sound: read and encoded once when made, started (never placed)
// in every frame it is added to.
class SoundObject : public DisplayObject {
 public:
  // Nothing when the file cannot be opened.
  static std::unique_ptr<SoundObject> Make(const std::string& filename);

  int AddToFrame(Frame& frame, MovieModel& movie) override;

  const SoundFormat& format() const { return format_; }

  explicit SoundObject(std::unique_ptr<DefineSoundRecord> record);

 private:
  // Until the first addition; a later movie gets a new record over the
  // same payload, which the object therefore keeps.
  std::unique_ptr<DefineSoundRecord> record_;
  SoundFormat format_;
  SoundPayload payload_;
  // The epoch the held record took its id in.
  std::uint32_t record_epoch_ = 0;
};

}  // namespace vectrel
