#pragma once

#include <QTransform>
#include <cstdint>
#include <vector>

#include "player/character.h"
#include "player/swf_types.h"

namespace swfplayer {

// One run of glyphs drawn with one font, height and colour.
struct TextRun {
  std::uint16_t font_id = 0;
  int height = 0;  // twips
  Rgba color;
  struct Glyph {
    int index = 0;
    int x = 0;  // twips from the text origin
  };
  int y = 0;
  std::vector<Glyph> glyphs;
};

// DefineText or DefineText2.
class TextCharacter final : public Character {
 public:
  TextCharacter(std::uint16_t id, SwfRect bounds, QTransform matrix, std::vector<TextRun> runs)
      : Character(id), bounds_(bounds), matrix_(matrix), runs_(std::move(runs)) {}
  CharacterKind kind() const override { return CharacterKind::kText; }
  const SwfRect& bounds() const { return bounds_; }
  const QTransform& matrix() const { return matrix_; }
  const std::vector<TextRun>& runs() const { return runs_; }

 private:
  SwfRect bounds_;
  QTransform matrix_;
  std::vector<TextRun> runs_;
};

}  // namespace swfplayer
