#include "vectrel/authoring/text_object.h"

#include <cmath>

#include "vectrel/authoring/frame.h"
#include "vectrel/authoring/movie_model.h"
#include "vectrel/authoring/outline_builder.h"
#include "vectrel/encoding/define_text2.h"
#include "vectrel/encoding/glyph_text_record.h"
#include "vectrel/encoding/text_style_record.h"

namespace vectrel {
namespace {

// Glyph units shown as twips before the placement matrix.
constexpr int kTextHeight = 1024;

Bounds TextBounds(const std::string& text, const FontObject& font) {
  int width = 0;
  for (char c : text) {
    const int index = font.GlyphIndex(c);
    if (index >= 0) width += font.GlyphAdvance(index);
  }
  return Bounds{0, -100, width, 924};
}

}  // namespace

TextObject::TextObject(std::string text, std::shared_ptr<FontObject> font)
    : ShapeObject(TextBounds(text, *font)), text_(std::move(text)), font_(std::move(font)) {}

std::unique_ptr<TextObject> TextObject::MakeSimple(std::string_view face, std::string_view text, int x, int y,
                                                   int size) {
  auto font = std::make_shared<FontObject>(std::string(face));
  font->AddGlyph(face, text, 65);
  auto object = std::make_unique<TextObject>("A", std::move(font));
  object->FitToBox(x, y, size);
  return object;
}

void TextObject::FitToBox(int x, int y, int size) {
  const long double w = static_cast<long double>(bounds().xmax) - bounds().xmin + 1;
  const float h = static_cast<float>(bounds().ymax - bounds().ymin + 1);
  const float g = static_cast<float>(static_cast<long double>(size) / h);
  const auto scale = static_cast<int>(std::trunc(static_cast<long double>(g) * 65535.0L));
  Scale(scale, scale);
  const long double tx = x - (w - w * g) * 0.5L;
  const long double ty = y - (static_cast<long double>(h) - static_cast<long double>(h) * g) * 0.5L;
  Translate(static_cast<int>(std::trunc(tx)), static_cast<int>(std::trunc(ty)));
}

int TextObject::AddToFrame(Frame& frame, MovieModel& movie) {
  font_->AddToFrame(frame, movie);
  // A text may not name a font that is not in the file.
  const int glyphs = font_->WrittenGlyphCount(movie);
  if (glyphs == 0) return 0;
  if (!IsDefinedIn(movie)) {
    auto record = std::make_unique<DefineText2Record>(bounds().ToRect(), Matrix::Identity());
    const Color& c = fill_color();
    record->AddTextRecord(std::make_unique<TextStyleRecord>(true, true, false, false,
                                                            static_cast<std::uint16_t>(font_->character_id()),
                                                            kTextHeight, Color(c.red, c.green, c.blue, c.alpha), 0, 0));
    auto entries = std::make_unique<GlyphTextRecord>();
    for (char ch : text_) {
      const int index = font_->GlyphIndex(ch);
      // Glyphs added after the font was written are not in the file.
      if (index >= 0 && index < glyphs) entries->AddGlyphEntry(index, font_->GlyphAdvance(index));
    }
    record->AddTextRecord(std::move(entries));
    set_character_id(record->CharacterId());
    frame.Append(std::move(record));
    MarkDefinedIn(movie);
  }
  if (definition_only()) return 0;
  return Place(frame, movie);
}

}  // namespace vectrel
