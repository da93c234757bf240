#include "player/shape_reader.h"

#include <algorithm>

#include "player/primitives.h"

namespace swfplayer {
namespace {

std::size_t ReadStyleCount(BitReader& in, int shape_version) {
  std::size_t count = in.ReadU8();
  if (count == 0xFF && shape_version >= 2) count = in.ReadU16();
  // Every style takes at least one byte.
  return std::min(count, in.remaining());
}

Rgba ReadStyleColor(BitReader& in, int shape_version) {
  return shape_version >= 3 ? ReadRgba(in) : ReadRgb(in);
}

FillStyle ReadFillStyle(BitReader& in, int shape_version) {
  FillStyle fill;
  const int type = in.ReadU8();
  switch (type) {
    case 0x00:
      fill.type = FillStyle::Type::kSolid;
      fill.color = ReadStyleColor(in, shape_version);
      break;
    case 0x10:
    case 0x12:
    case 0x13: {
      fill.type = type == 0x10   ? FillStyle::Type::kLinearGradient
                  : type == 0x12 ? FillStyle::Type::kRadialGradient
                                 : FillStyle::Type::kFocalGradient;
      fill.matrix = ReadMatrix(in);
      const int head = in.ReadU8();
      int count = head;
      if (shape_version >= 4) {
        fill.spread = (head >> 6) & 3;
        count = head & 0x0F;
      }
      count = static_cast<int>(std::min<std::size_t>(count, in.remaining()));
      for (int i = 0; i < count; ++i) {
        GradientStop stop;
        stop.ratio = in.ReadU8();
        stop.color = ReadStyleColor(in, shape_version);
        fill.stops.push_back(stop);
      }
      if (type == 0x13) fill.focal = std::clamp(in.ReadFixed8(), -1.0, 1.0);
      if (fill.stops.empty()) fill.stops.push_back(GradientStop{});
      break;
    }
    case 0x40:
    case 0x41:
    case 0x42:
    case 0x43:
      fill.type = FillStyle::Type::kBitmap;
      fill.bitmap_id = in.ReadU16();
      fill.matrix = ReadMatrix(in);
      fill.repeat = (type & 1) == 0;
      fill.smoothed = type < 0x42;
      break;
    default:
      // Unknown kind: drawn as transparent; the reader cannot know its size.
      fill.type = FillStyle::Type::kSolid;
      fill.color = Rgba{0, 0, 0, 0};
      in.Seek(in.data().size());
      break;
  }
  return fill;
}

LineStyle ReadLineStyle(BitReader& in, int shape_version) {
  LineStyle line;
  line.width = in.ReadU16();
  if (shape_version < 4) {
    line.color = ReadStyleColor(in, shape_version);
    return line;
  }
  line.start_cap = static_cast<int>(in.ReadUBits(2));
  line.join = static_cast<int>(in.ReadUBits(2));
  line.has_fill = in.ReadUBits(1);
  in.ReadUBits(3);  // no-scale flags and pixel hinting
  in.ReadUBits(5);
  in.ReadUBits(1);  // no close
  line.end_cap = static_cast<int>(in.ReadUBits(2));
  if (line.join == 2) line.miter_limit = in.ReadFixed8();
  if (line.has_fill) {
    line.fill = ReadFillStyle(in, shape_version);
    line.color = line.fill.type == FillStyle::Type::kSolid
                     ? line.fill.color
                     : (line.fill.stops.empty() ? Rgba{} : line.fill.stops.front().color);
  } else {
    line.color = ReadRgba(in);
  }
  return line;
}

struct StyleOffsets {
  int fill = 0;
  int line = 0;
  int fill_count = 0;
  int line_count = 0;
};

void ReadStyles(BitReader& in, int shape_version, ShapeGeometry& shape, StyleOffsets& offsets) {
  offsets.fill = static_cast<int>(shape.fills.size());
  offsets.line = static_cast<int>(shape.lines.size());
  const std::size_t fills = ReadStyleCount(in, shape_version);
  for (std::size_t i = 0; i < fills && !in.overrun(); ++i) shape.fills.push_back(ReadFillStyle(in, shape_version));
  const std::size_t lines = ReadStyleCount(in, shape_version);
  for (std::size_t i = 0; i < lines && !in.overrun(); ++i) shape.lines.push_back(ReadLineStyle(in, shape_version));
  offsets.fill_count = static_cast<int>(shape.fills.size()) - offsets.fill;
  offsets.line_count = static_cast<int>(shape.lines.size()) - offsets.line;
}

// Style index in the group -> index in the whole list (0 stays 0; an index
// past the group's styles selects nothing).
int MapStyle(std::uint32_t index, int offset, int count) {
  if (index == 0 || static_cast<int>(index) > count) return 0;
  return offset + static_cast<int>(index);
}

void ReadRecords(BitReader& in, int shape_version, ShapeGeometry& shape, StyleOffsets offsets, bool with_styles) {
  int fill_bits = static_cast<int>(in.ReadUBits(4));
  int line_bits = static_cast<int>(in.ReadUBits(4));
  QPoint pen(0, 0);
  int fill0 = 0, fill1 = 0, line = 0;
  int group = 0;
  while (!in.overrun()) {
    if (in.ReadUBits(1) == 0) {
      const bool new_styles = in.ReadUBits(1);
      const bool has_line = in.ReadUBits(1);
      const bool has_fill1 = in.ReadUBits(1);
      const bool has_fill0 = in.ReadUBits(1);
      const bool move_to = in.ReadUBits(1);
      if (!new_styles && !has_line && !has_fill1 && !has_fill0 && !move_to) break;  // end
      if (move_to) {
        const int bits = static_cast<int>(in.ReadUBits(5));
        const int x = in.ReadSBits(bits);
        const int y = in.ReadSBits(bits);
        pen = QPoint(x, y);
      }
      const std::uint32_t raw_fill0 = has_fill0 ? in.ReadUBits(fill_bits) : 0;
      const std::uint32_t raw_fill1 = has_fill1 ? in.ReadUBits(fill_bits) : 0;
      const std::uint32_t raw_line = has_line ? in.ReadUBits(line_bits) : 0;
      if (new_styles && with_styles && shape_version >= 2) {
        // The indices of this record already refer to the new styles.
        ReadStyles(in, shape_version, shape, offsets);
        fill_bits = static_cast<int>(in.ReadUBits(4));
        line_bits = static_cast<int>(in.ReadUBits(4));
        fill0 = fill1 = line = 0;
        ++group;
      }
      if (has_fill0) fill0 = MapStyle(raw_fill0, offsets.fill, offsets.fill_count);
      if (has_fill1) fill1 = MapStyle(raw_fill1, offsets.fill, offsets.fill_count);
      if (has_line) line = MapStyle(raw_line, offsets.line, offsets.line_count);
      continue;
    }
    ShapeEdge edge;
    edge.from = pen;
    edge.fill0 = fill0;
    edge.fill1 = fill1;
    edge.line = line;
    edge.group = group;
    const bool straight = in.ReadUBits(1);
    const int bits = static_cast<int>(in.ReadUBits(4)) + 2;
    if (straight) {
      int dx = 0, dy = 0;
      if (in.ReadUBits(1)) {
        dx = in.ReadSBits(bits);
        dy = in.ReadSBits(bits);
      } else if (in.ReadUBits(1)) {
        dy = in.ReadSBits(bits);
      } else {
        dx = in.ReadSBits(bits);
      }
      pen += QPoint(dx, dy);
    } else {
      const int cx = in.ReadSBits(bits);
      const int cy = in.ReadSBits(bits);
      const int ax = in.ReadSBits(bits);
      const int ay = in.ReadSBits(bits);
      edge.curved = true;
      edge.control = pen + QPoint(cx, cy);
      pen = edge.control + QPoint(ax, ay);
    }
    edge.to = pen;
    if (in.overrun()) break;  // a cut edge would draw garbage
    shape.edges.push_back(edge);
  }
  shape.group_count = group + 1;
  in.Align();
}

}  // namespace

ShapeGeometry ReadShapeWithStyle(BitReader& in, int shape_version) {
  ShapeGeometry shape;
  StyleOffsets offsets;
  ReadStyles(in, shape_version, shape, offsets);
  ReadRecords(in, shape_version, shape, offsets, true);
  return shape;
}

ShapeGeometry ReadGlyphShape(BitReader& in) {
  ShapeGeometry shape;
  shape.fills.push_back(FillStyle{});
  StyleOffsets offsets;
  offsets.fill_count = 1;
  ReadRecords(in, 1, shape, offsets, false);
  return shape;
}

}  // namespace swfplayer
