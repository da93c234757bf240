#pragma once

#include <cstdint>

#include "vectrel/encoding/output_buffer.h"

namespace vectrel {

// A tag that writes itself (header and body) into the file buffer.
class TagRecord {
 public:
  virtual ~TagRecord() = default;
  virtual void Write(OutputBuffer& file) = 0;
  virtual bool IsShowFrame() const { return false; }

 protected:
  TagRecord() = default;
  TagRecord(const TagRecord&) = delete;
  TagRecord& operator=(const TagRecord&) = delete;
};

// A definition: takes the next character id when it is constructed.
class CharacterRecord : public TagRecord {
 public:
  virtual std::uint16_t CharacterId() const { return character_id_; }

 protected:
  CharacterRecord();
  // A definition written again under an id it was given before.
  explicit CharacterRecord(std::uint16_t character_id) : character_id_(character_id) {}

 private:
  std::uint16_t character_id_;
};

// The process-wide id counter: the first id handed out is 1; the file
// writer sets it back to 0 after each file it could open.
std::uint16_t NextCharacterId();
void ResetCharacterIds();
std::uint16_t LastCharacterId();
// Counts the resets: ids handed out under another epoch belong to a movie
// that has been written already.
std::uint32_t CharacterIdEpoch();
// True once more ids were handed out since the last reset than 16 bits can
// number: the ids of the movie being built then collide.
bool CharacterIdsExhausted();

// Short form for bodies of 0..62 bytes, long form from 63 on.
void WriteTagHeader(OutputBuffer& buffer, int code, std::uint32_t length, OutputBuffer* body);

// Tag codes written by this library.
enum TagCode : int {
  kTagEnd = 0,
  kTagShowFrame = 1,
  kTagRemoveObject = 5,
  kTagSetBackgroundColor = 9,
  kTagDefineFont = 10,
  kTagDoAction = 12,
  kTagDefineFontInfo = 13,
  kTagDefineSound = 14,
  kTagStartSound = 15,
  kTagSoundStreamHead = 18,
  kTagDefineBitsJpeg2 = 21,
  kTagPlaceObject2 = 26,
  kTagDefineShape3 = 32,
  kTagDefineText2 = 33,
  kTagDefineButton2 = 34,
  kTagDefineEditText = 37,
};

}  // namespace vectrel
