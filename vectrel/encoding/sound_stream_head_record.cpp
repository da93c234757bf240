#include "vectrel/encoding/sound_stream_head_record.h"

namespace vectrel {

void SoundStreamHeadRecord::Write(OutputBuffer& file) {
  OutputBuffer body;
  body.WriteU8(playback_);
  body.WriteBits(1, 4);  // StreamSoundCompression: ADPCM
  body.WriteBits(0, 2);  // StreamSoundRate
  body.WriteBits(1, 1);  // StreamSoundSize: 16-bit
  body.WriteBits(stereo_ ? 1 : 0, 1);
  body.WriteU16(sample_count_);
  WriteTagHeader(file, kTagSoundStreamHead, body.Length(), &body);
}

}  // namespace vectrel
