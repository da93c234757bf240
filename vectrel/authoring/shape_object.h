#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "vectrel/authoring/display_object.h"
#include "vectrel/encoding/color.h"
#include "vectrel/encoding/fill_style.h"
#include "vectrel/encoding/matrix.h"
#include "vectrel/encoding/rect.h"

namespace vectrel {

class DefineBitsJpeg2Record;
class DefineShape3Record;

enum class FillKind : int { kNone = 0, kSolid = 1, kLinear = 2, kRadial = 3, kBitmap = 4 };

// Bounds in twips, as the Make calls give them.
struct Bounds {
  int xmin = 0;
  int ymin = 0;
  int xmax = 0;
  int ymax = 0;
  Rect ToRect() const { return Rect{xmin, xmax, ymin, ymax}; }
};

enum class BitmapFillResult {
  kSet,            // the fill now uses the picture
  kNotOpened,      // the file could not be opened: nothing changed
  kInvalidSize,    // bitmap width or height not above 0: nothing changed
  kReadFailed,     // the file could be opened but not read
};

// Base of every drawable kind: styles, transform, and the DefineShape3
// definition written on the first addition after a look-changing setter.
class ShapeObject : public DisplayObject {
 public:
  int AddToFrame(Frame& frame, MovieModel& movie) override;
  bool HasTransform() const override;
  std::optional<Matrix> BuildMatrix() const override;

  // Look-changing setters: each clears the defined flag.
  void SetLineWidth(int width);
  void SetLineColor(int red, int green, int blue, int alpha);
  void SetSolidFill(int red, int green, int blue, int alpha);
  void SetNoFill();
  void SetLinearFill(const Color& from, const Color& to);
  void SetLinearFillCenter(int center_x, int center_y);
  void SetRadialFill(const Color& from, const Color& to);
  void SetRadialFillCenter(int center_x, int center_y);
  BitmapFillResult SetBitmapFillJpeg(int bitmap_x, int bitmap_y, const std::string& filename);
  // The same with bytes already read.
  BitmapFillResult SetBitmapFillJpegBytes(int bitmap_x, int bitmap_y,
                                          std::shared_ptr<const std::vector<std::uint8_t>> jpeg);

  // Placement only; the definition stays.
  void Translate(int x, int y) {
    translate_x_ = x;
    translate_y_ = y;
  }
  void Rotate(int degree) { rotation_ = degree; }
  void Scale(int scale_x, int scale_y) {
    scale_x_ = scale_x;
    scale_y_ = scale_y;
  }

  const Bounds& bounds() const { return bounds_; }
  int line_width() const { return line_width_; }
  const Color& line_color() const { return line_color_; }
  const Color& fill_color() const { return fill_color_; }
  FillKind fill_kind() const { return fill_kind_; }
  int translate_x() const { return translate_x_; }
  int translate_y() const { return translate_y_; }
  int rotation() const { return rotation_; }
  int scale_x() const { return scale_x_; }
  int scale_y() const { return scale_y_; }

 protected:
  explicit ShapeObject(const Bounds& bounds);
  ~ShapeObject() override;

  // Puts the definition records into the frame (DefineShape3 by default)
  // and sets the character id.
  virtual void WriteDefinition(Frame& frame);
  // The kind's start point and edges, after the common style change.
  // Kinds that write another definition (texts, edit texts) keep these.
  virtual void AppendEdges(DefineShape3Record& /*shape*/) const {}
  virtual std::pair<int, int> StartPoint() const { return {bounds_.xmin, bounds_.ymin}; }

  void set_bounds(const Bounds& bounds) { bounds_ = bounds; }
  void set_line_width_raw(int width) { line_width_ = width; }
  void set_fill_color_raw(const Color& color) { fill_color_ = color; }
  void MarkChanged() { set_defined(false); }

 private:
  void AddStyles(Frame& frame, DefineShape3Record& shape);
  void StartNewStopsIfTaken();

  Bounds bounds_;
  int line_width_ = 20;
  Color line_color_{0, 0, 0, 255};
  int line_style_index_ = 1;
  int fill_style_index_ = 1;
  int translate_x_ = 0;
  int translate_y_ = 0;
  int rotation_ = 0;
  int scale_x_ = 65536;
  int scale_y_ = 65536;
  FillKind fill_kind_ = FillKind::kSolid;
  Color fill_color_{255, 255, 255, 255};

  int bitmap_width_ = 0;
  int bitmap_height_ = 0;
  // The JPEG bytes stay with the object: every definition's record points
  // at them, so they must outlive the files that refer to them.
  std::shared_ptr<const std::vector<std::uint8_t>> jpeg_;
  std::unique_ptr<DefineBitsJpeg2Record> bitmap_record_;
  std::uint32_t bitmap_epoch_ = 0;

  Matrix gradient_matrix_ = Matrix::Make(false, 0, 0, false, 0, 0, 0, 0);
  Gradient gradient_;
  // A definition has used the stops; the next stop-adding setter starts a
  // new list, but a re-definition without one reuses them.
  bool gradient_taken_ = false;
};

}  // namespace vectrel
