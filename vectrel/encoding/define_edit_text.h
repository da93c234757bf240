#pragma once

#include <cstdint>
#include <string>

#include "vectrel/encoding/color.h"
#include "vectrel/encoding/rect.h"
#include "vectrel/encoding/tag_record.h"

namespace vectrel {

// DefineEditText (tag 37): a text field drawn by the player. Values whose
// flag is clear are held but not written; the variable name always is.
// Strings end at their first 0 byte.
class DefineEditTextRecord final : public CharacterRecord {
 public:
  DefineEditTextRecord(const Rect& bounds, bool has_font, bool has_max_length, bool has_text_color,
                       bool read_only, bool password, bool multiline, bool word_wrap, bool has_text,
                       bool use_outlines, bool border, bool no_select, bool has_layout,
                       std::uint16_t font_id, std::uint16_t font_height, const Color& text_color,
                       std::uint16_t max_length, std::uint8_t align, std::uint16_t left_margin,
                       std::uint16_t right_margin, std::uint16_t indent, std::uint16_t leading,
                       std::string variable_name, std::string initial_text);

  void Write(OutputBuffer& file) override;

 private:
  Rect bounds_;
  bool has_font_;
  bool has_max_length_;
  bool has_text_color_;
  bool read_only_;
  bool password_;
  bool multiline_;
  bool word_wrap_;
  bool has_text_;
  bool use_outlines_;
  bool border_;
  bool no_select_;
  bool has_layout_;
  std::uint16_t font_id_;
  std::uint16_t font_height_;
  Color text_color_;
  std::uint16_t max_length_;
  std::uint8_t align_;
  std::uint16_t left_margin_;
  std::uint16_t right_margin_;
  std::uint16_t indent_;
  std::uint16_t leading_;
  std::string variable_name_;
  std::string initial_text_;
};

}  // namespace vectrel
