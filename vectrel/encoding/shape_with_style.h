#pragma once

#include <memory>
#include <vector>

#include "vectrel/encoding/fill_style.h"
#include "vectrel/encoding/line_style.h"
#include "vectrel/encoding/output_buffer.h"
#include "vectrel/encoding/shape_records.h"

namespace vectrel {

// SHAPEWITHSTYLE: the closed style arrays and the shape records drawn with
// them. The index widths are fixed when it is made.
class ShapeWithStyle {
 public:
  // Above this a style index would need more than the 4-bit width fields allow.
  static constexpr int kMaxStyles = 32767;

  ShapeWithStyle(std::vector<std::unique_ptr<FillStyle>> fill_styles, std::vector<LineStyle> line_styles);
  ShapeWithStyle(const ShapeWithStyle&) = delete;
  ShapeWithStyle& operator=(const ShapeWithStyle&) = delete;

  // Gives the record the index widths, then keeps it.
  void AddShapeRecord(std::unique_ptr<ShapeRecord> record);
  void Write(OutputBuffer& buffer) const;

  int fill_bits() const { return fill_bits_; }
  int line_bits() const { return line_bits_; }
  std::size_t record_count() const { return records_.size(); }

 private:
  std::vector<std::unique_ptr<FillStyle>> fill_styles_;
  std::vector<LineStyle> line_styles_;
  int fill_bits_;
  int line_bits_;
  std::vector<std::unique_ptr<ShapeRecord>> records_;
};

// Style array count: one byte below 255, else FF and a 16-bit count.
void WriteStyleCount(OutputBuffer& buffer, std::size_t count);

}  // namespace vectrel
