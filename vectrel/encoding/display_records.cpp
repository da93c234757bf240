#include "vectrel/encoding/display_records.h"

namespace vectrel {

void ShowFrameRecord::Write(OutputBuffer& file) { WriteTagHeader(file, kTagShowFrame, 0, nullptr); }

SetBackgroundColorRecord::SetBackgroundColorRecord(const Color& color) : color_(color) {
  color_.has_alpha = false;
}

void SetBackgroundColorRecord::Write(OutputBuffer& file) {
  OutputBuffer body;
  WriteColor(body, color_);
  WriteTagHeader(file, kTagSetBackgroundColor, body.Length(), &body);
}

void RemoveObjectRecord::Write(OutputBuffer& file) {
  OutputBuffer body;
  body.WriteU16(character_id_);
  body.WriteU16(depth_);
  WriteTagHeader(file, kTagRemoveObject, body.Length(), &body);
}

void PlaceObject2Record::Write(OutputBuffer& file) {
  OutputBuffer body;
  body.WriteU8(matrix_ ? 0x06 : 0x02);
  body.WriteU16(depth_);
  body.WriteU16(character_id_);
  if (matrix_) WriteMatrix(body, *matrix_);
  WriteTagHeader(file, kTagPlaceObject2, body.Length(), &body);
}

}  // namespace vectrel
