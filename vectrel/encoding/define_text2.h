#pragma once

#include <memory>
#include <vector>

#include "vectrel/encoding/matrix.h"
#include "vectrel/encoding/rect.h"
#include "vectrel/encoding/tag_record.h"
#include "vectrel/encoding/text_record.h"

namespace vectrel {

// DefineText2 (tag 33): a static text drawn with an embedded font.
class DefineText2Record final : public CharacterRecord {
 public:
  DefineText2Record(const Rect& bounds, const Matrix& matrix) : bounds_(bounds), matrix_(matrix) {}

  void AddTextRecord(std::unique_ptr<TextRecord> record);
  std::size_t record_count() const { return records_.size(); }

  // Players read every record as style flags followed by a glyph count, so
  // a style record without a glyph record after it gets an empty count (00)
  // and a glyph record without a style record before it gets an empty style
  // (80). Records start on byte boundaries: readers align after a glyph
  // record's entries.
  void Write(OutputBuffer& file) override;

 private:
  Rect bounds_;
  Matrix matrix_;
  std::vector<std::unique_ptr<TextRecord>> records_;
};

}  // namespace vectrel
