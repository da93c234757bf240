#include "vectrel/encoding/shape_records.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "record_bytes.h"

namespace vectrel {
namespace {

using testing_enc::BitReader;
using testing_enc::Written;

std::string RecordHex(ShapeRecord& r, int fill_bits = 0, int line_bits = 0) {
  r.SetFillBits(fill_bits);
  r.SetLineBits(line_bits);
  return Written([&](OutputBuffer& b) { r.Write(b); });
}

TEST(StraightEdge, FormsAndBytes) {
  struct Case {
    std::int32_t dx, dy;
    const char* hex;
  };
  const Case cases[] = {
      {100, 0, "D8 64"},    // horizontal
      {0, 100, "D9 64"},    // vertical
      {-100, 0, "D8 9C"},   // horizontal, negative
      {3, 4, "CA 68"},      // general
      {0, 0, "C1 00"},      // zero length: vertical, 2 bits
      {1, 0, "C0 40"},      // smallest width is 2 bits
      {0, -100, "D9 9C"},   // vertical, negative
      {65535, 0, "FC 7F FF 80"},  // widest edge: NumBits 17
  };
  for (const Case& c : cases) {
    StraightEdgeRecord r(c.dx, c.dy);
    EXPECT_EQ(RecordHex(r), c.hex) << c.dx << "," << c.dy;
  }
}

TEST(StraightEdge, FormIsChosenAtConstruction) {
  StraightEdgeRecord vertical(0, 0);
  EXPECT_TRUE(vertical.vertical());
  EXPECT_FALSE(vertical.general_line());
  EXPECT_EQ(vertical.edge_bits(), 2);
  StraightEdgeRecord general(-5, 1);
  EXPECT_TRUE(general.general_line());
  EXPECT_EQ(general.edge_bits(), 4);
  StraightEdgeRecord horizontal(255, 0);
  EXPECT_FALSE(horizontal.vertical());
  EXPECT_FALSE(horizontal.general_line());
  EXPECT_EQ(horizontal.edge_bits(), 9);
}

TEST(CurvedEdge, Bytes) {
  CurvedEdgeRecord r(10, 0, 10, 10);
  EXPECT_EQ(r.edge_bits(), 5);
  EXPECT_EQ(RecordHex(r), "8D 40 52 80");
  CurvedEdgeRecord small(0, 0, 1, 0);
  EXPECT_EQ(small.edge_bits(), 2);
  EXPECT_EQ(RecordHex(small), "80 10");
}

TEST(EndShape, SixZeroBitsThenAligned) {
  EndShapeRecord end;
  EXPECT_EQ(RecordHex(end), "00");
  OutputBuffer b;
  b.WriteBits(1, 1);
  end.Write(b);
  EXPECT_TRUE(b.aligned());
  EXPECT_EQ(testsupport::ToHex(b.bytes()), "80");
  // Straddling a byte boundary: 3 bits, then 6 zero bits, padded.
  OutputBuffer c;
  c.WriteBits(7, 3);
  end.Write(c);
  EXPECT_EQ(testsupport::ToHex(c.bytes()), "E0 00");
}

TEST(StyleChange, FieldsFollowTheFlags) {
  struct Case {
    bool line, fill1, fill0, move;
    std::int32_t mx, my;
    int f0, f1, l;
    int fill_bits, line_bits;
    const char* hex;
  };
  const Case cases[] = {
      // Move to (0, 0): 1-bit fields; fill style 1 and line 1 with 1-bit indices.
      {true, true, false, true, 0, 0, 0, 1, 1, 1, 1, "34 26"},
      // Move only, (100, -20): MoveBits 8.
      {false, false, false, true, 100, -20, 0, 0, 0, 0, 0, "05 0C 9D 80"},
      // Fill style 0 = 2 in 2 bits.
      {false, false, true, false, 0, 0, 2, 0, 0, 2, 0, "0A"},
      // No styles in the shape: indices take no bits.
      {true, true, true, false, 0, 0, 1, 1, 1, 0, 0, "38"},
      // Index wider than its field: cut to the low bits (5 in 2 bits -> 01).
      {false, true, false, false, 0, 0, 0, 5, 0, 2, 0, "11"},
      // Nothing set: six zero bits, the same as an end record.
      {false, false, false, false, 0, 0, 0, 0, 0, 1, 1, "00"},
  };
  for (const Case& c : cases) {
    StyleChangeRecord r(c.line, c.fill1, c.fill0, c.move, c.mx, c.my, c.f0, c.f1, c.l);
    EXPECT_EQ(RecordHex(r, c.fill_bits, c.line_bits), c.hex) << c.hex;
  }
}

TEST(StyleChange, MoveBitsComputedAtConstruction) {
  EXPECT_EQ(StyleChangeRecord(false, false, false, true, 0, 0, 0, 0, 0).move_bits(), 1);
  EXPECT_EQ(StyleChangeRecord(false, false, false, true, -1, 0, 0, 0, 0).move_bits(), 2);
  EXPECT_EQ(StyleChangeRecord(false, false, false, true, 100, -20, 0, 0, 0).move_bits(), 8);
}

TEST(ShapeRecords, EdgesAndEndIgnoreStyleBits) {
  StraightEdgeRecord edge(100, 0);
  CurvedEdgeRecord curve(10, 0, 10, 10);
  EndShapeRecord end;
  EXPECT_EQ(RecordHex(edge, 15, 15), "D8 64");
  EXPECT_EQ(RecordHex(curve, 15, 15), "8D 40 52 80");
  EXPECT_EQ(RecordHex(end, 15, 15), "00");
}

// Reads edge records back until the end record.
struct Edge {
  bool straight;
  int bits;
  std::int32_t cx, cy, ax, ay;  // straight edges use ax, ay
};

std::vector<Edge> ReadEdges(const testsupport::Bytes& bytes) {
  std::vector<Edge> edges;
  BitReader r(bytes);
  while (!r.overrun()) {
    if (r.Unsigned(1) == 0) {
      EXPECT_EQ(r.Unsigned(5), 0u) << "only edges expected";
      break;
    }
    Edge e{};
    e.straight = r.Unsigned(1) == 1;
    e.bits = static_cast<int>(r.Unsigned(4)) + 2;
    if (e.straight) {
      if (r.Unsigned(1) == 1) {
        e.ax = r.Signed(e.bits);
        e.ay = r.Signed(e.bits);
      } else if (r.Unsigned(1) == 1) {
        e.ay = r.Signed(e.bits);
      } else {
        e.ax = r.Signed(e.bits);
      }
    } else {
      e.cx = r.Signed(e.bits);
      e.cy = r.Signed(e.bits);
      e.ax = r.Signed(e.bits);
      e.ay = r.Signed(e.bits);
    }
    edges.push_back(e);
  }
  EXPECT_FALSE(r.overrun());
  return edges;
}

testsupport::Bytes EdgeThenEnd(ShapeRecord& edge) {
  OutputBuffer b;
  edge.Write(b);
  EndShapeRecord().Write(b);
  return b.Flatten();
}

TEST(StraightEdge, TooWideEdgeIsSplitIntoPiecesThatAddUp) {
  struct Case {
    std::int32_t dx, dy;
    std::size_t pieces;
  };
  const Case cases[] = {
      {65536, 0, 2},
      {0, -65536, 2},
      {200000, 3, 4},
      {-131071, 131070, 3},
      {INT_MAX, INT_MIN, 32769},
  };
  for (const Case& c : cases) {
    StraightEdgeRecord r(c.dx, c.dy);
    EXPECT_GT(r.edge_bits(), kMaxEdgeBits);
    const auto edges = ReadEdges(EdgeThenEnd(r));
    ASSERT_EQ(edges.size(), c.pieces) << c.dx << "," << c.dy;
    std::int64_t x = 0, y = 0;
    for (const Edge& e : edges) {
      EXPECT_TRUE(e.straight);
      EXPECT_LE(e.bits, kMaxEdgeBits);
      x += e.ax;
      y += e.ay;
    }
    EXPECT_EQ(x, c.dx);
    EXPECT_EQ(y, c.dy);
  }
}

TEST(CurvedEdge, TooWideCurveIsSplitAndEndsAtItsAnchor) {
  struct Case {
    std::int32_t cx, cy, ax, ay;
  };
  const Case cases[] = {
      {65536, 0, 0, 65536},
      {100000, 0, -100000, 0},
      {-300001, 7, 5, 299999},
      {INT_MAX, INT_MIN, INT_MAX, INT_MAX},
  };
  for (const Case& c : cases) {
    CurvedEdgeRecord r(c.cx, c.cy, c.ax, c.ay);
    const auto edges = ReadEdges(EdgeThenEnd(r));
    ASSERT_GE(edges.size(), 2u);
    std::int64_t x = 0, y = 0;
    for (const Edge& e : edges) {
      EXPECT_FALSE(e.straight);
      EXPECT_LE(e.bits, kMaxEdgeBits);
      x += std::int64_t{e.cx} + e.ax;
      y += std::int64_t{e.cy} + e.ay;
    }
    EXPECT_EQ(x, std::int64_t{c.cx} + c.ax);
    EXPECT_EQ(y, std::int64_t{c.cy} + c.ay);
  }
}

TEST(CurvedEdge, SplitHalvesFollowTheCurve) {
  // Control (100000, 0), anchor (0, 100000): the halves meet at the curve's
  // midpoint (75000, 25000).
  CurvedEdgeRecord r(100000, 0, 0, 100000);
  const auto edges = ReadEdges(EdgeThenEnd(r));
  ASSERT_EQ(edges.size(), 2u);
  EXPECT_EQ(edges[0].cx + edges[0].ax, 75000);
  EXPECT_EQ(edges[0].cy + edges[0].ay, 25000);
}

}  // namespace
}  // namespace vectrel
