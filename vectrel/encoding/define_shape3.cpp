#include "vectrel/encoding/define_shape3.h"

#include <stdexcept>

namespace vectrel {

int DefineShape3Record::AddFillStyle(std::unique_ptr<FillStyle> style) {
  if (styles_closed()) throw std::logic_error("DefineShape3: fill style added after CloseStyles");
  if (!style) throw std::invalid_argument("DefineShape3: null fill style");
  if (fill_styles_.size() >= ShapeWithStyle::kMaxStyles) throw std::length_error("DefineShape3: too many fill styles");
  fill_styles_.push_back(std::move(style));
  return static_cast<int>(fill_styles_.size());
}

int DefineShape3Record::AddLineStyle(int width, const Color& color) {
  if (styles_closed()) throw std::logic_error("DefineShape3: line style added after CloseStyles");
  if (line_styles_.size() >= ShapeWithStyle::kMaxStyles) throw std::length_error("DefineShape3: too many line styles");
  line_styles_.emplace_back(static_cast<std::uint16_t>(width), color);
  return static_cast<int>(line_styles_.size());
}

void DefineShape3Record::CloseStyles() {
  if (styles_closed()) throw std::logic_error("DefineShape3: CloseStyles called twice");
  body_ = std::make_unique<ShapeWithStyle>(std::move(fill_styles_), std::move(line_styles_));
  fill_styles_.clear();
  line_styles_.clear();
}

void DefineShape3Record::AddShapeRecord(std::unique_ptr<ShapeRecord> record) {
  if (!styles_closed()) throw std::logic_error("DefineShape3: shape record added before CloseStyles");
  body_->AddShapeRecord(std::move(record));
}

void DefineShape3Record::Write(OutputBuffer& file) {
  if (!styles_closed()) throw std::logic_error("DefineShape3: written before CloseStyles");
  OutputBuffer body;
  body.WriteU16(CharacterId());
  WriteRect(body, bounds_);
  body_->Write(body);
  WriteTagHeader(file, kTagDefineShape3, body.Length(), &body);
}

}  // namespace vectrel
