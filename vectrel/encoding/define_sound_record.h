#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <vector>

#include "vectrel/encoding/sound_format.h"
#include "vectrel/encoding/tag_record.h"

namespace vectrel {

// Encoded sound data. Shared so that the sound object can write the same
// payload again into a later movie; never copied into a buffer.
using SoundPayload = std::shared_ptr<const std::vector<std::uint8_t>>;

// DefineSound: an event sound, ADPCM-encoded from a WAV file.
class DefineSoundRecord final : public CharacterRecord {
 public:
  // Reads the WAV file (none: all format fields stay 0) and encodes it with
  // code_bits bits per ADPCM code. A file the reader rejects gives a record
  // with the fields read so far and no data.
  DefineSoundRecord(std::FILE* wave_file, int code_bits);
  // The same, from the bytes of a WAV file.
  DefineSoundRecord(std::span<const std::uint8_t> wave_bytes, int code_bits);
  // A sound encoded before, written again under the id it was given then.
  DefineSoundRecord(std::uint16_t character_id, const SoundFormat& format, SoundPayload payload);

  void Write(OutputBuffer& file) override;

  const SoundFormat& format() const { return format_; }
  const SoundPayload& payload() const { return payload_; }

 private:
  void EncodeSamples(std::vector<std::uint8_t>& samples, int code_bits);

  SoundFormat format_;
  SoundPayload payload_;
};

}  // namespace vectrel
