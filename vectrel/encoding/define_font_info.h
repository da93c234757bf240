#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vectrel/encoding/tag_record.h"

namespace vectrel {

// DefineFontInfo (tag 13): names a DefineFont and maps its glyphs to 8-bit
// character codes. Takes a character id it never writes: its body starts
// with the id of the font it describes.
class DefineFontInfoRecord final : public CharacterRecord {
 public:
  // Names longer than the 255 bytes the length byte can count are cut.
  static constexpr std::size_t kMaxNameBytes = 255;

  // encoding_selector sets one flag: 1 the Shift-JIS bit (flag byte 0x10,
  // what every font of this library uses), 2 Unicode, 3 ANSI; any other
  // value sets none.
  DefineFontInfoRecord(std::string name, std::uint16_t font_id, int encoding_selector, bool italic,
                       bool bold);

  // Codes keep only their low byte (WideCodes is 0).
  void AddCode(std::uint16_t code) { codes_.push_back(code); }
  std::size_t code_count() const { return codes_.size(); }
  std::uint16_t font_id() const { return font_id_; }

  // Consumes the codes: a second write carries none.
  void Write(OutputBuffer& file) override;

 private:
  std::string name_;
  std::uint16_t font_id_;
  int encoding_selector_;
  bool italic_;
  bool bold_;
  std::vector<std::uint16_t> codes_;
};

}  // namespace vectrel
