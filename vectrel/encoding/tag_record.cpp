#include "vectrel/encoding/tag_record.h"

namespace vectrel {
namespace {
// Plain process-wide counter: one movie is built at a time.
std::uint16_t g_character_id = 0;
std::uint32_t g_epoch = 0;
bool g_exhausted = false;
}  // namespace

CharacterRecord::CharacterRecord() : character_id_(NextCharacterId()) {}

std::uint16_t NextCharacterId() {
  if (g_character_id == 0xFFFF) g_exhausted = true;
  return ++g_character_id;
}
bool CharacterIdsExhausted() { return g_exhausted; }
void ResetCharacterIds() {
  g_character_id = 0;
  g_exhausted = false;
  ++g_epoch;
}
std::uint32_t CharacterIdEpoch() { return g_epoch; }
std::uint16_t LastCharacterId() { return g_character_id; }

void WriteTagHeader(OutputBuffer& buffer, int code, std::uint32_t length, OutputBuffer* body) {
  const auto c = static_cast<std::uint32_t>(code) & 0x3FFu;
  if (length <= 62) {
    buffer.WriteU16(c * 64 + length);
  } else {
    buffer.WriteU16(c * 64 + 63);
    buffer.WriteU32(length);
  }
  if (body != nullptr) buffer.Append(*body);
}

}  // namespace vectrel
