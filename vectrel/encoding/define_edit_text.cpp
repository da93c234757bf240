#include "vectrel/encoding/define_edit_text.h"

#include "vectrel/encoding/swf_string.h"

namespace vectrel {

DefineEditTextRecord::DefineEditTextRecord(
    const Rect& bounds, bool has_font, bool has_max_length, bool has_text_color, bool read_only,
    bool password, bool multiline, bool word_wrap, bool has_text, bool use_outlines, bool border,
    bool no_select, bool has_layout, std::uint16_t font_id, std::uint16_t font_height,
    const Color& text_color, std::uint16_t max_length, std::uint8_t align, std::uint16_t left_margin,
    std::uint16_t right_margin, std::uint16_t indent, std::uint16_t leading, std::string variable_name,
    std::string initial_text)
    : bounds_(bounds),
      has_font_(has_font),
      has_max_length_(has_max_length),
      has_text_color_(has_text_color),
      read_only_(read_only),
      password_(password),
      multiline_(multiline),
      word_wrap_(word_wrap),
      has_text_(has_text),
      use_outlines_(use_outlines),
      border_(border),
      no_select_(no_select),
      has_layout_(has_layout),
      font_id_(font_id),
      font_height_(font_height),
      text_color_(text_color),
      max_length_(max_length),
      align_(align),
      left_margin_(left_margin),
      right_margin_(right_margin),
      indent_(indent),
      leading_(leading),
      variable_name_(std::move(variable_name)),
      initial_text_(std::move(initial_text)) {
  text_color_.has_alpha = true;
}

void DefineEditTextRecord::Write(OutputBuffer& file) {
  OutputBuffer body;
  body.WriteU16(CharacterId());
  WriteRect(body, bounds_);
  body.WriteBits(has_text_ ? 1 : 0, 1);
  body.WriteBits(word_wrap_ ? 1 : 0, 1);
  body.WriteBits(multiline_ ? 1 : 0, 1);
  body.WriteBits(password_ ? 1 : 0, 1);
  body.WriteBits(read_only_ ? 1 : 0, 1);
  body.WriteBits(has_text_color_ ? 1 : 0, 1);
  body.WriteBits(has_max_length_ ? 1 : 0, 1);
  body.WriteBits(has_font_ ? 1 : 0, 1);
  body.WriteBits(0, 2);  // reserved, auto size
  body.WriteBits(has_layout_ ? 1 : 0, 1);
  body.WriteBits(no_select_ ? 1 : 0, 1);
  body.WriteBits(border_ ? 1 : 0, 1);
  body.WriteBits(0, 2);  // reserved, HTML
  body.WriteBits(use_outlines_ ? 1 : 0, 1);
  if (has_font_) {
    body.WriteU16(font_id_);
    body.WriteU16(font_height_);
  }
  if (has_text_color_) WriteColor(body, text_color_);
  if (has_max_length_) body.WriteU16(max_length_);
  if (has_layout_) {
    body.WriteU8(align_);
    body.WriteU16(left_margin_);
    body.WriteU16(right_margin_);
    body.WriteU16(indent_);
    body.WriteU16(leading_);
  }
  WriteTerminatedString(body, variable_name_);
  if (has_text_) WriteTerminatedString(body, initial_text_);
  WriteTagHeader(file, kTagDefineEditText, body.Length(), &body);
}

}  // namespace vectrel
