#include "vectrel/authoring/edit_text_object.h"

#include <cstdio>

#include "vectrel/authoring/frame.h"
#include "vectrel/encoding/define_edit_text.h"

namespace vectrel {

std::string EditTextObject::VariableName() const {
  char name[96];
  std::snprintf(name, sizeof name, "TextField_%ld_%ld_%ld_%ld_%d", static_cast<long>(bounds().xmin),
                static_cast<long>(bounds().ymin), static_cast<long>(bounds().xmax), static_cast<long>(bounds().ymax),
                static_cast<int>(depth()));
  return name;
}

int EditTextObject::AddToFrame(Frame& frame, MovieModel& movie) {
  auto record = std::make_unique<DefineEditTextRecord>(
      bounds().ToRect(), /*has_font=*/false, /*has_max_length=*/false, /*has_text_color=*/true,
      /*read_only=*/!editable_, /*password=*/false, /*multiline=*/false, word_wrap_, /*has_text=*/true,
      /*use_outlines=*/false, /*border=*/true, /*no_select=*/false, /*has_layout=*/true, /*font_id=*/0,
      static_cast<std::uint16_t>(text_height_), text_color_, /*max_length=*/0, /*align=*/0, /*left_margin=*/0,
      /*right_margin=*/0, /*indent=*/0, /*leading=*/40, VariableName(), text_);
  set_character_id(record->CharacterId());
  frame.Append(std::move(record));
  MarkDefinedIn(movie);
  if (definition_only()) return 0;
  return Place(frame, movie);
}

}  // namespace vectrel
