#include "vectrel/encoding/start_sound_record.h"

namespace vectrel {

void StartSoundRecord::Write(OutputBuffer& file) {
  OutputBuffer body;
  body.WriteU16(sound_id_);
  WriteSoundInfo(body, info_);
  WriteTagHeader(file, kTagStartSound, body.Length(), &body);
}

}  // namespace vectrel
