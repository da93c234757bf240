#include "vectrel/encoding/sound_info.h"

namespace vectrel {

void WriteSoundInfo(OutputBuffer& buffer, const SoundInfo& info) {
  buffer.WriteBits(info.sync_value, 4);
  buffer.WriteBits(0, 1);  // HasEnvelope
  buffer.WriteBits(info.has_loops ? 1 : 0, 1);
  buffer.WriteBits(info.has_out_point ? 1 : 0, 1);
  buffer.WriteBits(info.has_in_point ? 1 : 0, 1);
  if (info.has_in_point) buffer.WriteU32(info.in_point);
  if (info.has_out_point) buffer.WriteU32(info.out_point);
  if (info.has_loops) buffer.WriteU16(info.loop_count);
}

}  // namespace vectrel
