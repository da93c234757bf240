#include "platform/cell_height.h"

#include <algorithm>
#include <cstdint>

namespace platform {
namespace {

// a * b / c rounded to nearest, halves away from zero (all values positive here).
std::int64_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c) { return (a * b + c / 2) / c; }

}  // namespace

CellMetrics ScaleToCellHeight(int units_per_em, int ascent, int descent, int cell_height) {
  CellMetrics m;
  if (units_per_em <= 0 || cell_height <= 0) return m;
  ascent = std::max(ascent, 0);
  descent = std::max(descent, 0);
  std::int64_t units = static_cast<std::int64_t>(ascent) + descent;
  if (units == 0) {
    units = units_per_em;
    ascent = units_per_em;
  }
  std::int64_t ppem = MulDiv(units_per_em, cell_height, units);
  if (MulDiv(units, ppem, units_per_em) > cell_height) --ppem;
  // FreeType takes at most 0xFFFF pixels per em.
  ppem = std::clamp<std::int64_t>(ppem, 1, 0xFFFF);
  m.pixels_per_em = static_cast<int>(ppem);
  m.ascent = static_cast<int>(MulDiv(ascent, ppem, units_per_em));
  m.descent = static_cast<int>(MulDiv(descent, ppem, units_per_em));
  return m;
}

}  // namespace platform
