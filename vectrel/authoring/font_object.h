#pragma once

#include <memory>
#include <string>
#include <vector>

#include "vectrel/authoring/display_object.h"
#include "vectrel/authoring/glyph_outline_data.h"

namespace vectrel {

class DefineFontRecord;

struct GlyphEntry {
  GlyphSteps shape;
  int code = 0;
  int advance = 0;
};

// A list of glyphs drawn from installed faces, written as DefineFont and
// DefineFontInfo the first time it is added to a movie. Never placed.
class FontObject : public DisplayObject {
 public:
  explicit FontObject(std::string name);
  ~FontObject() override;

  int AddToFrame(Frame& frame, MovieModel& movie) override;

  // Draws `text` in the installed face `face` as one glyph answering to `code`.
  void AddGlyph(std::string_view face, std::string_view text, int code);
  void AddGlyphEx(std::string_view face, std::string_view text, int code, int advance);
  void AddGlyphEntry(GlyphEntry entry) { glyphs_.push_back(std::move(entry)); }

  // The first glyph whose code is the byte's unsigned value, or -1.
  int GlyphIndex(char character) const;
  int GlyphAdvance(int index) const { return glyphs_[static_cast<std::size_t>(index)].advance; }
  int GlyphCount() const { return static_cast<int>(glyphs_.size()); }
  // Glyphs the definition in `movie` holds (later ones never reach it).
  int WrittenGlyphCount(const MovieModel& movie) const;

  const std::string& name() const { return name_; }

 private:
  std::string name_;
  std::vector<GlyphEntry> glyphs_;
  // Made with the font, which takes its id then.
  std::unique_ptr<DefineFontRecord> record_;
  std::uint32_t record_epoch_ = 0;
  int written_glyphs_ = 0;
};

}  // namespace vectrel
