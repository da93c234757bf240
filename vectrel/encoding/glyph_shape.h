#pragma once

#include <memory>
#include <vector>

#include "vectrel/encoding/output_buffer.h"
#include "vectrel/encoding/shape_records.h"

namespace vectrel {

// The SHAPE of one glyph: index widths, then the records; the end record
// that closes the list aligns it.
class GlyphShape {
 public:
  GlyphShape() = default;
  virtual ~GlyphShape() = default;
  GlyphShape(const GlyphShape&) = delete;
  GlyphShape& operator=(const GlyphShape&) = delete;

  // Every record gets the glyph's index widths just before it is written.
  virtual void Write(OutputBuffer& buffer);

  void AddShapeRecord(std::unique_ptr<ShapeRecord> record);

  void set_fill_bits(int bits) { fill_bits_ = bits; }
  void set_line_bits(int bits) { line_bits_ = bits; }
  int fill_bits() const { return fill_bits_; }
  int line_bits() const { return line_bits_; }
  std::size_t record_count() const { return records_.size(); }

 private:
  int fill_bits_ = 0;
  int line_bits_ = 0;
  std::vector<std::unique_ptr<ShapeRecord>> records_;
};

}  // namespace vectrel
