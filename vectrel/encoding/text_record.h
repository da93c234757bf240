#pragma once

#include <cstdint>

#include "vectrel/encoding/output_buffer.h"

namespace vectrel {

// One record of a DefineText2. The text measures all its records first and
// writes them all with the same glyph and advance widths.
class TextRecord {
 public:
  virtual int AdvanceBitsNeeded() const = 0;
  virtual int GlyphBitsNeeded() const = 0;
  virtual ~TextRecord() = default;
  virtual void Write(OutputBuffer& buffer, int glyph_bits, int advance_bits) = 0;

 protected:
  TextRecord() = default;
  TextRecord(const TextRecord&) = delete;
  TextRecord& operator=(const TextRecord&) = delete;
};

}  // namespace vectrel
