#pragma once

#include <cstdint>

#include "vectrel/encoding/output_buffer.h"

namespace vectrel {

// SOUNDINFO of StartSound. Made by default as the system uses it: sync value
// 1 (SyncNoMultiple), no envelope, loops, in or out point. Envelopes are
// never written, so HasEnvelope is always 0.
struct SoundInfo {
  std::uint8_t sync_value = 1;  // 4 bits: reserved, reserved, SyncStop, SyncNoMultiple
  bool has_loops = false;
  bool has_out_point = false;
  bool has_in_point = false;
  std::uint32_t in_point = 0;
  std::uint32_t out_point = 0;
  std::uint16_t loop_count = 0;
};

void WriteSoundInfo(OutputBuffer& buffer, const SoundInfo& info);

}  // namespace vectrel
