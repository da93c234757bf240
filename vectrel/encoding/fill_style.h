#pragma once

#include <cstdint>
#include <vector>

#include "vectrel/encoding/color.h"
#include "vectrel/encoding/matrix.h"
#include "vectrel/encoding/output_buffer.h"

namespace vectrel {

// One FILLSTYLE of a DefineShape3.
class FillStyle {
 public:
  virtual ~FillStyle() = default;
  virtual void Write(OutputBuffer& buffer) const = 0;

 protected:
  FillStyle() = default;
  FillStyle(const FillStyle&) = delete;
  FillStyle& operator=(const FillStyle&) = delete;
};

// The colour goes out as RGB or RGBA by its own flag.
class SolidFill final : public FillStyle {
 public:
  explicit SolidFill(const Color& color) : color_(color) {}
  void Write(OutputBuffer& buffer) const override;
  const Color& color() const { return color_; }

 private:
  Color color_;
};

struct GradientRecord {
  int ratio = 0;  // 0..255
  Color color;
};

// The count is a single byte, so a gradient holds at most 255 records;
// further ones are refused.
class Gradient {
 public:
  static constexpr int kMaxRecords = 255;

  // Returns false, and keeps nothing, once the gradient is full.
  bool Add(int ratio, const Color& color);
  int count() const { return static_cast<int>(records_.size()); }
  const std::vector<GradientRecord>& records() const { return records_; }

  void Write(OutputBuffer& buffer) const;

 private:
  std::vector<GradientRecord> records_;
};

class GradientFill final : public FillStyle {
 public:
  GradientFill(bool linear, const Matrix& matrix, Gradient gradient)
      : linear_(linear), matrix_(matrix), gradient_(std::move(gradient)) {}
  void Write(OutputBuffer& buffer) const override;

 private:
  bool linear_;
  Matrix matrix_;
  Gradient gradient_;
};

// Refers to a DefineBitsJPEG2 by character id; clipped (0x41) unless
// `repeat` is set.
class BitmapFill final : public FillStyle {
 public:
  BitmapFill(bool repeat, std::uint16_t bitmap_id, const Matrix& matrix)
      : repeat_(repeat), bitmap_id_(bitmap_id), matrix_(matrix) {}
  void Write(OutputBuffer& buffer) const override;

 private:
  bool repeat_;
  std::uint16_t bitmap_id_;
  Matrix matrix_;
};

}  // namespace vectrel
