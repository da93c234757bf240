#include "vectrel/encoding/glyph_text_record.h"

#include <algorithm>

namespace vectrel {

void GlyphTextRecord::AddGlyphEntry(int index, int advance) {
  entries_.push_back(Entry{static_cast<std::uint16_t>(index), static_cast<std::uint16_t>(advance)});
}

int GlyphTextRecord::AdvanceBitsNeeded() const {
  int bits = 0;
  for (const Entry& e : entries_) bits = std::max(bits, UnsignedBits(e.advance, 1));
  return bits;
}

int GlyphTextRecord::GlyphBitsNeeded() const {
  int bits = 0;
  for (const Entry& e : entries_) bits = std::max(bits, UnsignedBits(e.index, 1));
  return bits;
}

void GlyphTextRecord::Write(OutputBuffer& buffer, int glyph_bits, int advance_bits) {
  if (entries_.empty()) {
    buffer.WriteBits(0, 1);  // TextRecordType
    buffer.WriteBits(0, 7);
    return;
  }
  for (std::size_t start = 0; start < entries_.size(); start += kMaxEntriesPerRecord) {
    const std::size_t count = std::min<std::size_t>(kMaxEntriesPerRecord, entries_.size() - start);
    if (start > 0) {
      buffer.Align();
      buffer.WriteU8(0x80);  // style record that changes nothing
    }
    buffer.WriteBits(0, 1);  // TextRecordType
    buffer.WriteBits(static_cast<std::uint32_t>(count), 7);
    for (std::size_t i = start; i < start + count; ++i) {
      buffer.WriteBits(entries_[i].index, glyph_bits);
      buffer.WriteBits(entries_[i].advance, advance_bits);
    }
  }
}

}  // namespace vectrel
