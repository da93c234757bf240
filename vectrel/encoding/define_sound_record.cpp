#include "vectrel/encoding/define_sound_record.h"

#include "vectrel/encoding/adpcm_encoder.h"
#include "vectrel/encoding/wave_reader.h"

namespace vectrel {
namespace {
const SoundPayload& EmptyPayload() {
  static const SoundPayload empty = std::make_shared<const std::vector<std::uint8_t>>();
  return empty;
}
}  // namespace

DefineSoundRecord::DefineSoundRecord(std::FILE* wave_file, int code_bits) : payload_(EmptyPayload()) {
  if (wave_file == nullptr) return;
  std::vector<std::uint8_t> samples;
  if (ReadWave(wave_file, format_, samples)) EncodeSamples(samples, code_bits);
}

DefineSoundRecord::DefineSoundRecord(std::span<const std::uint8_t> wave_bytes, int code_bits)
    : payload_(EmptyPayload()) {
  std::vector<std::uint8_t> samples;
  if (ReadWave(wave_bytes, format_, samples)) EncodeSamples(samples, code_bits);
}

DefineSoundRecord::DefineSoundRecord(std::uint16_t character_id, const SoundFormat& format,
                                     SoundPayload payload)
    : CharacterRecord(character_id), format_(format), payload_(payload ? std::move(payload) : EmptyPayload()) {}

void DefineSoundRecord::EncodeSamples(std::vector<std::uint8_t>& samples, int code_bits) {
  payload_ = std::make_shared<const std::vector<std::uint8_t>>(
      EncodeWaveData(samples.data(), format_.sample_count, format_.stereo, format_.sixteen_bit, code_bits));
  // The WAV data is not needed once encoded.
  std::vector<std::uint8_t>().swap(samples);
}

void DefineSoundRecord::Write(OutputBuffer& file) {
  OutputBuffer body;
  body.WriteU16(CharacterId());
  body.WriteBits(format_.format, 4);
  body.WriteBits(format_.rate_code, 2);
  body.WriteBits(format_.sixteen_bit ? 1 : 0, 1);
  body.WriteBits(format_.stereo ? 1 : 0, 1);
  body.WriteU32(format_.sample_count);
  // The payload stays ours (shared) until the file is written.
  if (!payload_->empty()) body.AddBlock(payload_->data(), static_cast<std::uint32_t>(payload_->size()));
  WriteTagHeader(file, kTagDefineSound, body.Length(), &body);
}

}  // namespace vectrel
