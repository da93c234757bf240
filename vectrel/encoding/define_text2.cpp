#include "vectrel/encoding/define_text2.h"

#include <algorithm>
#include <stdexcept>

#include "vectrel/encoding/glyph_text_record.h"

namespace vectrel {

namespace {
bool IsGlyphRecord(const TextRecord* record) { return dynamic_cast<const GlyphTextRecord*>(record) != nullptr; }
}  // namespace

void DefineText2Record::AddTextRecord(std::unique_ptr<TextRecord> record) {
  if (!record) throw std::invalid_argument("null text record");
  records_.push_back(std::move(record));
}

void DefineText2Record::Write(OutputBuffer& file) {
  int glyph_bits = 0;
  int advance_bits = 0;
  for (const auto& record : records_) {
    glyph_bits = std::max(glyph_bits, record->GlyphBitsNeeded());
    advance_bits = std::max(advance_bits, record->AdvanceBitsNeeded());
  }
  OutputBuffer body;
  body.WriteU16(CharacterId());
  WriteRect(body, bounds_);
  WriteMatrix(body, matrix_);
  body.WriteU8(static_cast<std::uint32_t>(glyph_bits));
  body.WriteU8(static_cast<std::uint32_t>(advance_bits));
  for (std::size_t i = 0; i < records_.size(); ++i) {
    const bool glyphs = IsGlyphRecord(records_[i].get());
    body.Align();
    if (glyphs && (i == 0 || IsGlyphRecord(records_[i - 1].get()))) body.WriteU8(0x80);
    records_[i]->Write(body, glyph_bits, advance_bits);
    if (!glyphs && (i + 1 == records_.size() || !IsGlyphRecord(records_[i + 1].get()))) {
      body.Align();
      body.WriteU8(0);
    }
  }
  body.Align();
  body.WriteU8(0);  // end of records
  WriteTagHeader(file, kTagDefineText2, body.Length(), &body);
}

}  // namespace vectrel
