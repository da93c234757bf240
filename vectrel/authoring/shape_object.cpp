#include "vectrel/authoring/shape_object.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "vectrel/authoring/frame.h"
#include "vectrel/authoring/movie_model.h"
#include "vectrel/encoding/define_bits_jpeg2.h"
#include "vectrel/encoding/define_shape3.h"

namespace vectrel {

ShapeObject::ShapeObject(const Bounds& bounds) : bounds_(bounds) {}
ShapeObject::~ShapeObject() = default;

void ShapeObject::SetLineWidth(int width) {
  line_width_ = width;
  MarkChanged();
}

void ShapeObject::SetLineColor(int red, int green, int blue, int alpha) {
  line_color_ = Color(red, green, blue, alpha);
  MarkChanged();
}

void ShapeObject::SetSolidFill(int red, int green, int blue, int alpha) {
  fill_color_ = Color(red, green, blue, alpha);
  MarkChanged();
}

void ShapeObject::SetNoFill() {
  fill_kind_ = FillKind::kNone;
  MarkChanged();
}

void ShapeObject::StartNewStopsIfTaken() {
  if (gradient_taken_) {
    gradient_ = Gradient();
    gradient_taken_ = false;
  }
}

void ShapeObject::SetLinearFillCenter(int center_x, int center_y) {
  const int w = bounds_.xmax - bounds_.xmin + 1;
  const int h = bounds_.ymax - bounds_.ymin + 1;
  fill_kind_ = FillKind::kLinear;
  gradient_matrix_ = Matrix::Make(true, w, h, false, 0, 0, center_x, center_y);
  MarkChanged();
}

void ShapeObject::SetRadialFillCenter(int center_x, int center_y) {
  const double w = bounds_.xmax - bounds_.xmin + 1;
  const double h = bounds_.ymax - bounds_.ymin + 1;
  const double scale = std::trunc(2.0 * std::sqrt(w * w + h * h));
  const auto s = static_cast<std::int32_t>(
      std::min<double>(scale, static_cast<double>(std::numeric_limits<std::int32_t>::max())));
  fill_kind_ = FillKind::kRadial;
  gradient_matrix_ = Matrix::Make(true, s, s, false, 0, 0, center_x, center_y);
  MarkChanged();
}

void ShapeObject::SetLinearFill(const Color& from, const Color& to) {
  StartNewStopsIfTaken();
  SetLinearFillCenter((bounds_.xmin + bounds_.xmax) / 2, (bounds_.ymin + bounds_.ymax) / 2);
  gradient_.Add(0, Color(from.red, from.green, from.blue, from.alpha));
  gradient_.Add(255, Color(to.red, to.green, to.blue, to.alpha));
}

void ShapeObject::SetRadialFill(const Color& from, const Color& to) {
  StartNewStopsIfTaken();
  SetRadialFillCenter((bounds_.xmin + bounds_.xmax) / 2, (bounds_.ymin + bounds_.ymax) / 2);
  gradient_.Add(0, Color(from.red, from.green, from.blue, from.alpha));
  gradient_.Add(255, Color(to.red, to.green, to.blue, to.alpha));
}

BitmapFillResult ShapeObject::SetBitmapFillJpeg(int bitmap_x, int bitmap_y, const std::string& filename) {
  std::FILE* file = std::fopen(filename.c_str(), "rb");
  if (file == nullptr) return BitmapFillResult::kNotOpened;
  auto bytes = std::make_shared<std::vector<std::uint8_t>>();
  std::uint8_t chunk[65536];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes->insert(bytes->end(), chunk, chunk + n);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return BitmapFillResult::kReadFailed;
  return SetBitmapFillJpegBytes(bitmap_x, bitmap_y, std::move(bytes));
}

BitmapFillResult ShapeObject::SetBitmapFillJpegBytes(int bitmap_x, int bitmap_y,
                                                     std::shared_ptr<const std::vector<std::uint8_t>> jpeg) {
  // The fill matrix divides by the picture size.
  if (bitmap_x <= 0 || bitmap_y <= 0) return BitmapFillResult::kInvalidSize;
  fill_kind_ = FillKind::kBitmap;
  bitmap_width_ = bitmap_x;
  bitmap_height_ = bitmap_y;
  jpeg_ = std::move(jpeg);
  bitmap_record_ = std::make_unique<DefineBitsJpeg2Record>(jpeg_);
  bitmap_epoch_ = CharacterIdEpoch();
  MarkChanged();
  return BitmapFillResult::kSet;
}

void ShapeObject::AddStyles(Frame& frame, DefineShape3Record& shape) {
  switch (fill_kind_) {
    case FillKind::kBitmap: {
      // A re-definition makes a new record over the same bytes; so does a
      // record whose id predates the last reset of the id counter.
      if (!bitmap_record_ || bitmap_epoch_ != CharacterIdEpoch())
        bitmap_record_ = std::make_unique<DefineBitsJpeg2Record>(jpeg_);
      const auto bitmap_id = bitmap_record_->CharacterId();
      frame.Append(std::move(bitmap_record_));
      shape.AddFillStyle(std::make_unique<BitmapFill>(
          false, 65535, Matrix::Make(true, 655360, 655360, false, 0, 0, 0, 0)));
      // Computed in 64 bits and kept within the 31 bits a MATRIX field can
      // hold: a very wide shape would overflow the 32-bit product.
      auto scale = [](long long extent, int pixels) {
        constexpr long long kLimit = (1LL << 30) - 1;
        return static_cast<std::int32_t>(std::clamp<long long>(extent * 65536 / pixels, -kLimit, kLimit));
      };
      const auto sx = scale(static_cast<long long>(bounds_.xmax) - bounds_.xmin + 1, bitmap_width_);
      const auto sy = scale(static_cast<long long>(bounds_.ymax) - bounds_.ymin + 1, bitmap_height_);
      fill_style_index_ = shape.AddFillStyle(std::make_unique<BitmapFill>(
          false, bitmap_id, Matrix::Make(true, sx, sy, false, 0, 0, bounds_.xmin, bounds_.ymin)));
      break;
    }
    case FillKind::kSolid:
      fill_style_index_ = shape.AddFillStyle(std::make_unique<SolidFill>(
          Color(fill_color_.red, fill_color_.green, fill_color_.blue, fill_color_.alpha)));
      break;
    case FillKind::kLinear:
    case FillKind::kRadial:
      fill_style_index_ = shape.AddFillStyle(
          std::make_unique<GradientFill>(fill_kind_ == FillKind::kLinear, gradient_matrix_, gradient_));
      gradient_taken_ = true;
      break;
    case FillKind::kNone:
      break;
  }
  if (line_width_ > 0) line_style_index_ = shape.AddLineStyle(line_width_, line_color_);
  shape.CloseStyles();
}

void ShapeObject::WriteDefinition(Frame& frame) {
  auto shape = std::make_unique<DefineShape3Record>(bounds_.ToRect());
  AddStyles(frame, *shape);
  const auto [x, y] = StartPoint();
  shape->AddShapeRecord(std::make_unique<StyleChangeRecord>(true, true, false, true, x, y, 0, fill_style_index_,
                                                            line_style_index_));
  AppendEdges(*shape);
  shape->AddShapeRecord(std::make_unique<EndShapeRecord>());
  set_character_id(shape->CharacterId());
  frame.Append(std::move(shape));
}

int ShapeObject::AddToFrame(Frame& frame, MovieModel& movie) {
  if (!IsDefinedIn(movie)) {
    WriteDefinition(frame);
    MarkDefinedIn(movie);
  }
  if (definition_only()) return 0;
  return Place(frame, movie);
}

bool ShapeObject::HasTransform() const {
  return translate_x_ != 0 || translate_y_ != 0 || rotation_ != 0 || scale_x_ != 65536 || scale_y_ != 65536;
}

std::optional<Matrix> ShapeObject::BuildMatrix() const {
  const int cx = static_cast<int>(std::trunc((static_cast<double>(bounds_.xmin) + bounds_.xmax) * 0.5));
  const int cy = static_cast<int>(std::trunc((static_cast<double>(bounds_.ymin) + bounds_.ymax) * 0.5));
  const long double theta = static_cast<long double>(rotation_) / 65536.0L * 3.14159265358979323846264338327950288L / 180.0L;
  const float sx = static_cast<float>(scale_x_ / 65536.0L);
  const float sy = static_cast<float>(scale_y_ / 65536.0L);
  const long double c = std::cos(theta);
  const long double s = std::sin(theta);
  auto fixed = [](long double v) {
    return static_cast<std::int32_t>(std::trunc(static_cast<long double>(static_cast<float>(v)) * 65536.0L));
  };
  const std::int32_t scale_x = fixed(sx * c);
  const std::int32_t scale_y = fixed(sy * c);
  const std::int32_t skew0 = fixed(sx * s);
  const std::int32_t skew1 = fixed(-sy * s);
  const float rx = static_cast<float>(c * cx - s * cy);
  const float ry = static_cast<float>(s * cx + c * cy);
  const auto tx = static_cast<std::int32_t>(translate_x_ + cx - static_cast<long long>(std::trunc(static_cast<double>(sx) * rx)));
  const auto ty = static_cast<std::int32_t>(translate_y_ + cy - static_cast<long long>(std::trunc(static_cast<double>(sy) * ry)));
  return Matrix::Make(true, scale_x, scale_y, true, skew0, skew1, tx, ty);
}

}  // namespace vectrel
