#pragma once

#include <cstdint>
#include <vector>

#include "vectrel/encoding/text_record.h"

namespace vectrel {

// Type-0 text record: glyph indices with explicit advances.
//
// Its count field has 7 bits, so a run of more than 127 glyphs is written
// as several records of at most 127 entries. Each further record is
// byte-aligned and preceded by an empty style record (byte 0x80), which
// keeps the text valid both for readers of the two-kind layout and for
// readers that expect every record to open with style flags. An empty
// record is the single count byte 0.
class GlyphTextRecord final : public TextRecord {
 public:
  static constexpr int kMaxEntriesPerRecord = 127;

  struct Entry {
    std::uint16_t index;
    std::uint16_t advance;
  };

  GlyphTextRecord() = default;

  // The advance is taken as unsigned 16-bit.
  void AddGlyphEntry(int index, int advance);
  const std::vector<Entry>& entries() const { return entries_; }

  int AdvanceBitsNeeded() const override;
  int GlyphBitsNeeded() const override;
  void Write(OutputBuffer& buffer, int glyph_bits, int advance_bits) override;

 private:
  std::vector<Entry> entries_;
};

}  // namespace vectrel
