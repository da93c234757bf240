#pragma once

#include <string>

#include "vectrel/authoring/shape_object.h"

namespace vectrel {

// An input or display field bound to a variable named after its rectangle
// and layer. Every addition defines a new field.
class EditTextObject : public ShapeObject {
 public:
  EditTextObject(int xmin, int ymin, int xmax, int ymax, std::string text)
      : ShapeObject(Bounds{xmin, ymin, xmax, ymax}), text_(std::move(text)) {}

  int AddToFrame(Frame& frame, MovieModel& movie) override;

  void SetEditTextHeight(int height) { text_height_ = height; }
  void SetEditTextEditable(bool editable) { editable_ = editable; }
  void SetEditTextColor(int red, int green, int blue) { text_color_ = Color(red, green, blue, 255); }

  std::string VariableName() const;
  const std::string& text() const { return text_; }
  int text_height() const { return text_height_; }
  bool editable() const { return editable_; }

 private:
  Color text_color_{0, 0, 0, 255};
  std::string text_;
  bool editable_ = true;
  int text_height_ = 240;
  bool word_wrap_ = false;
};

}  // namespace vectrel
