#pragma once

// Test-only decoding of DefineShape3 bodies and MATRIX fields.
#include <array>
#include <optional>
#include <vector>

#include "movie_reader.h"

namespace authoringtest {

struct ReadMatrix {
  bool has_scale = false;
  std::int32_t scale_x = 65536, scale_y = 65536;
  bool has_rotate = false;
  std::int32_t skew0 = 0, skew1 = 0;
  std::int32_t tx = 0, ty = 0;
};

inline ReadMatrix ReadMatrixBits(BitReader& r) {
  ReadMatrix m;
  m.has_scale = r.U(1);
  if (m.has_scale) {
    const int n = static_cast<int>(r.U(5));
    m.scale_x = r.S(n);
    m.scale_y = r.S(n);
  }
  m.has_rotate = r.U(1);
  if (m.has_rotate) {
    const int n = static_cast<int>(r.U(5));
    m.skew0 = r.S(n);
    m.skew1 = r.S(n);
  }
  const int n = static_cast<int>(r.U(5));
  m.tx = r.S(n);
  m.ty = r.S(n);
  r.Align();
  return m;
}

struct ReadFill {
  int type = 0;
  int r = 0, g = 0, b = 0, a = 0;
  ReadMatrix matrix;
  std::vector<std::pair<int, std::array<int, 4>>> stops;
  int bitmap_id = 0;
};

struct ReadLine {
  int width = 0;
  int r = 0, g = 0, b = 0, a = 0;
};

struct ReadShapeRecord {
  enum Kind { kStyle, kStraight, kCurve, kEnd } kind = kEnd;
  bool move = false, set_fill0 = false, set_fill1 = false, set_line = false;
  int dx = 0, dy = 0;  // move, straight or anchor
  int cx = 0, cy = 0;  // control
  int fill0 = 0, fill1 = 0, line = 0;
};

struct ReadShape {
  int id = 0;
  int xmin = 0, xmax = 0, ymin = 0, ymax = 0;
  std::vector<ReadFill> fills;
  std::vector<ReadLine> lines;
  int fill_bits = 0, line_bits = 0;
  std::vector<ReadShapeRecord> records;
};

inline ReadShape ReadDefineShape3(const Bytes& body) {
  ReadShape s;
  BitReader r(body);
  s.id = static_cast<int>(r.U16le());
  const int n = static_cast<int>(r.U(5));
  s.xmin = r.S(n);
  s.xmax = r.S(n);
  s.ymin = r.S(n);
  s.ymax = r.S(n);
  r.Align();
  int fills = static_cast<int>(r.U8());
  if (fills == 0xFF) fills = static_cast<int>(r.U16le());
  for (int i = 0; i < fills; ++i) {
    ReadFill f;
    f.type = static_cast<int>(r.U8());
    if (f.type == 0) {
      f.r = r.U8(), f.g = r.U8(), f.b = r.U8(), f.a = r.U8();
    } else if (f.type == 0x10 || f.type == 0x12) {
      f.matrix = ReadMatrixBits(r);
      const int count = static_cast<int>(r.U8());
      for (int k = 0; k < count; ++k) {
        const int ratio = static_cast<int>(r.U8());
        std::array<int, 4> c{};
        for (auto& v : c) v = static_cast<int>(r.U8());
        f.stops.emplace_back(ratio, c);
      }
    } else {
      f.bitmap_id = static_cast<int>(r.U16le());
      f.matrix = ReadMatrixBits(r);
    }
    s.fills.push_back(f);
  }
  int lines = static_cast<int>(r.U8());
  if (lines == 0xFF) lines = static_cast<int>(r.U16le());
  for (int i = 0; i < lines; ++i) {
    ReadLine l;
    l.width = static_cast<int>(r.U16le());
    l.r = r.U8(), l.g = r.U8(), l.b = r.U8(), l.a = r.U8();
    s.lines.push_back(l);
  }
  s.fill_bits = static_cast<int>(r.U(4));
  s.line_bits = static_cast<int>(r.U(4));
  for (;;) {
    ReadShapeRecord rec;
    if (r.U(1) == 0) {
      const int flags = static_cast<int>(r.U(5));
      if (flags == 0) {
        rec.kind = ReadShapeRecord::kEnd;
        s.records.push_back(rec);
        break;
      }
      rec.kind = ReadShapeRecord::kStyle;
      rec.set_line = flags & 0x08;
      rec.set_fill1 = flags & 0x04;
      rec.set_fill0 = flags & 0x02;
      rec.move = flags & 0x01;
      if (rec.move) {
        const int bits = static_cast<int>(r.U(5));
        rec.dx = r.S(bits);
        rec.dy = r.S(bits);
      }
      if (rec.set_fill0) rec.fill0 = static_cast<int>(r.U(s.fill_bits));
      if (rec.set_fill1) rec.fill1 = static_cast<int>(r.U(s.fill_bits));
      if (rec.set_line) rec.line = static_cast<int>(r.U(s.line_bits));
    } else if (r.U(1) == 1) {
      rec.kind = ReadShapeRecord::kStraight;
      const int bits = static_cast<int>(r.U(4)) + 2;
      if (r.U(1)) {
        rec.dx = r.S(bits);
        rec.dy = r.S(bits);
      } else if (r.U(1)) {
        rec.dy = r.S(bits);
      } else {
        rec.dx = r.S(bits);
      }
    } else {
      rec.kind = ReadShapeRecord::kCurve;
      const int bits = static_cast<int>(r.U(4)) + 2;
      rec.cx = r.S(bits);
      rec.cy = r.S(bits);
      rec.dx = r.S(bits);
      rec.dy = r.S(bits);
    }
    s.records.push_back(rec);
  }
  return s;
}

inline ReadMatrix ReadPlaceMatrix(const ParsedTag& place) {
  BitReader r(place.body, 5);
  return ReadMatrixBits(r);
}

}  // namespace authoringtest
