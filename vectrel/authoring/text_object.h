#pragma once

#include <memory>
#include <string>

#include "vectrel/authoring/font_object.h"
#include "vectrel/authoring/shape_object.h"

namespace vectrel {

// A static text drawn with a font's glyphs; its fill colour is the text
// colour (white until set).
class TextObject : public ShapeObject {
 public:
  // A text in a caller's font, which it shares.
  TextObject(std::string text, std::shared_ptr<FontObject> font);

  // The whole text as one glyph of a private font, fitted to a box of
  // `size` twips at (x, y).
  static std::unique_ptr<TextObject> MakeSimple(std::string_view face, std::string_view text, int x, int y, int size);

  int AddToFrame(Frame& frame, MovieModel& movie) override;

  // Scales and moves the text so its bounds are about `size` twips high
  // with their left edge at x.
  void FitToBox(int x, int y, int size);

  const std::string& text() const { return text_; }
  const FontObject& font() const { return *font_; }

 private:
  std::string text_;
  std::shared_ptr<FontObject> font_;
};

}  // namespace vectrel
