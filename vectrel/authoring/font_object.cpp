#include "vectrel/authoring/font_object.h"

#include "vectrel/authoring/frame.h"
#include "vectrel/authoring/outline_builder.h"
#include "vectrel/encoding/define_font.h"
#include "vectrel/encoding/define_font_info.h"
#include "vectrel/encoding/glyph_shape.h"

namespace vectrel {

FontObject::FontObject(std::string name)
    : name_(std::move(name)), record_(std::make_unique<DefineFontRecord>()), record_epoch_(CharacterIdEpoch()) {
  set_character_id(record_->CharacterId());
}

FontObject::~FontObject() = default;

void FontObject::AddGlyph(std::string_view face, std::string_view text, int code) {
  auto result = OutlineBuilder::Build(face, text);
  const int advance = result.Advance();
  glyphs_.push_back(GlyphEntry{std::move(result.steps), code, advance});
}

void FontObject::AddGlyphEx(std::string_view face, std::string_view text, int code, int advance) {
  auto result = OutlineBuilder::Build(face, text);
  glyphs_.push_back(GlyphEntry{std::move(result.steps), code, advance});
}

int FontObject::GlyphIndex(char character) const {
  const int code = static_cast<unsigned char>(character);
  for (std::size_t i = 0; i < glyphs_.size(); ++i)
    if (glyphs_[i].code == code) return static_cast<int>(i);
  return -1;
}

int FontObject::WrittenGlyphCount(const MovieModel& movie) const {
  return IsDefinedIn(movie) ? written_glyphs_ : 0;
}

int FontObject::AddToFrame(Frame& frame, MovieModel& movie) {
  // A font without glyphs cannot be written; texts using it write nothing.
  if (IsDefinedIn(movie) || glyphs_.empty()) return 0;
  // A later definition, or one whose id predates a reset of the counter,
  // takes a fresh id.
  if (!record_ || record_epoch_ != CharacterIdEpoch()) {
    record_ = std::make_unique<DefineFontRecord>();
    record_epoch_ = CharacterIdEpoch();
  }
  for (const auto& glyph : glyphs_) record_->AddGlyphShape(MakeGlyphShape(glyph.shape));
  const auto id = record_->CharacterId();
  set_character_id(id);
  frame.Append(std::move(record_));
  auto info = std::make_unique<DefineFontInfoRecord>(name_, id, 1, false, false);
  for (const auto& glyph : glyphs_) info->AddCode(static_cast<std::uint16_t>(glyph.code));
  frame.Append(std::move(info));
  written_glyphs_ = static_cast<int>(glyphs_.size());
  MarkDefinedIn(movie);
  return 0;
}

}  // namespace vectrel
