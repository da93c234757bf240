#pragma once

#include <memory>
#include <vector>

#include "vectrel/encoding/color.h"
#include "vectrel/encoding/fill_style.h"
#include "vectrel/encoding/line_style.h"
#include "vectrel/encoding/rect.h"
#include "vectrel/encoding/shape_records.h"
#include "vectrel/encoding/shape_with_style.h"
#include "vectrel/encoding/tag_record.h"

namespace vectrel {

// DefineShape3 (tag 32). Built in a fixed order: styles, CloseStyles, shape
// records. Any other order is a programming error and throws
// std::logic_error, as does writing a shape whose styles were never closed.
class DefineShape3Record final : public CharacterRecord {
 public:
  explicit DefineShape3Record(const Rect& bounds) : bounds_(bounds) {}

  // Return the 1-based index of the new style.
  int AddFillStyle(std::unique_ptr<FillStyle> style);
  int AddLineStyle(int width, const Color& color);

  void CloseStyles();
  void AddShapeRecord(std::unique_ptr<ShapeRecord> record);

  void Write(OutputBuffer& file) override;

  bool styles_closed() const { return body_ != nullptr; }
  const Rect& bounds() const { return bounds_; }

 private:
  Rect bounds_;
  std::vector<std::unique_ptr<FillStyle>> fill_styles_;
  std::vector<LineStyle> line_styles_;
  std::unique_ptr<ShapeWithStyle> body_;
};

}  // namespace vectrel
