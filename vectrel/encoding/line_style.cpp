#include "vectrel/encoding/line_style.h"

namespace vectrel {

void LineStyle::Write(OutputBuffer& buffer) const {
  buffer.WriteU16(width_);
  WriteColor(buffer, color_);
}

}  // namespace vectrel
