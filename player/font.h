#pragma once

#include <QPainterPath>
#include <cstdint>
#include <string>
#include <vector>

#include "player/character.h"

namespace swfplayer {

// Glyph outlines (filled areas in font units) and, from a font info or a
// DefineFont2/3, the face name and the character code of each glyph.
class FontCharacter final : public Character {
 public:
  FontCharacter(std::uint16_t id, std::vector<QPainterPath> glyphs, double em_size)
      : Character(id), glyphs_(std::move(glyphs)), em_size_(em_size) {}
  CharacterKind kind() const override { return CharacterKind::kFont; }

  const std::vector<QPainterPath>& glyphs() const { return glyphs_; }
  // 1024 for DefineFont and DefineFont2, 20480 for DefineFont3.
  double em_size() const { return em_size_; }

  const std::string& name() const { return name_; }
  bool bold() const { return bold_; }
  bool italic() const { return italic_; }
  const std::vector<std::uint16_t>& codes() const { return codes_; }
  void SetInfo(std::string name, bool bold, bool italic, std::vector<std::uint16_t> codes) {
    name_ = std::move(name);
    bold_ = bold;
    italic_ = italic;
    codes_ = std::move(codes);
  }

 private:
  std::vector<QPainterPath> glyphs_;
  double em_size_;
  std::string name_;
  bool bold_ = false;
  bool italic_ = false;
  std::vector<std::uint16_t> codes_;
};

}  // namespace swfplayer
