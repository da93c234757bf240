#pragma once

#include <cstdint>
#include <string>

#include "player/character.h"
#include "player/swf_types.h"

namespace swfplayer {

// DefineEditText: a text field drawn with a device font.
struct EditTextProperties {
  SwfRect bounds;
  bool word_wrap = false;
  bool multiline = false;
  bool password = false;
  bool border = false;
  bool html = false;
  bool has_font = false;
  std::uint16_t font_id = 0;
  int font_height = 240;  // twips
  Rgba color{0, 0, 0, 255};
  int align = 0;  // 0 left, 1 right, 2 centre, 3 justify
  int left_margin = 0;
  int right_margin = 0;
  int indent = 0;
  int leading = 0;
  std::string variable;
  std::string text;
};

class EditTextCharacter final : public Character {
 public:
  EditTextCharacter(std::uint16_t id, EditTextProperties properties)
      : Character(id), properties_(std::move(properties)) {}
  CharacterKind kind() const override { return CharacterKind::kEditText; }
  const EditTextProperties& properties() const { return properties_; }

 private:
  EditTextProperties properties_;
};

}  // namespace swfplayer
