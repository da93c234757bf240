#include "vectrel/encoding/button_record.h"

namespace vectrel {

void ButtonRecord::Write(OutputBuffer& buffer) const {
  buffer.WriteBits(0, 4);  // reserved
  buffer.WriteBits(state_hit_test_ ? 1 : 0, 1);
  buffer.WriteBits(state_down_ ? 1 : 0, 1);
  buffer.WriteBits(state_over_ ? 1 : 0, 1);
  buffer.WriteBits(state_up_ ? 1 : 0, 1);
  buffer.WriteU16(character_id_);
  buffer.WriteU16(depth_);
  WriteMatrix(buffer, matrix_);
  color_transform_.Write(buffer);
}

}  // namespace vectrel
