#include "vectrel/encoding/define_shape3.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "record_bytes.h"

namespace vectrel {
namespace {

using testing_enc::TagBytes;
using testing_enc::TagHex;
using testing_enc::Written;
using testsupport::Hex;
using testsupport::ToHex;

class DefineShape3Test : public ::testing::Test {
 protected:
  void SetUp() override { ResetCharacterIds(); }
  void TearDown() override { ResetCharacterIds(); }
};

// The square of the format notes: one red fill, one black line, four edges.
std::unique_ptr<DefineShape3Record> RedSquare() {
  auto shape = std::make_unique<DefineShape3Record>(Rect{0, 100, 0, 100});
  EXPECT_EQ(shape->AddFillStyle(std::make_unique<SolidFill>(Color(255, 0, 0, 255))), 1);
  EXPECT_EQ(shape->AddLineStyle(20, Color(0, 0, 0)), 1);
  shape->CloseStyles();
  shape->AddShapeRecord(std::make_unique<StyleChangeRecord>(true, true, false, true, 0, 0, 0, 1, 1));
  shape->AddShapeRecord(std::make_unique<StraightEdgeRecord>(100, 0));
  shape->AddShapeRecord(std::make_unique<StraightEdgeRecord>(0, 100));
  shape->AddShapeRecord(std::make_unique<StraightEdgeRecord>(-100, 0));
  shape->AddShapeRecord(std::make_unique<StraightEdgeRecord>(0, -100));
  shape->AddShapeRecord(std::make_unique<EndShapeRecord>());
  return shape;
}

TEST_F(DefineShape3Test, SquareWithFillAndLine) {
  auto shape = RedSquare();
  EXPECT_EQ(shape->CharacterId(), 1);
  EXPECT_EQ(TagHex(*shape),
            "20 08 "
            "01 00 40 03 20 03 20 01 00 FF 00 00 FF 01 14 00 00 00 00 FF 11 34 27 B0 C9 B2 C9 B1 39 "
            "B3 38 00");
}

TEST_F(DefineShape3Test, NoStylesMeansZeroIndexBits) {
  DefineShape3Record shape(Rect{0, 0, 0, 0});
  shape.CloseStyles();
  // Selecting fill style 1 and line style 1 writes no index bits at all.
  shape.AddShapeRecord(std::make_unique<StyleChangeRecord>(true, true, false, false, 0, 0, 0, 1, 1));
  shape.AddShapeRecord(std::make_unique<EndShapeRecord>());
  // id, RECT, 0 fills, 0 lines, NumFillBits/NumLineBits 0, 001100 + 000000 padded.
  EXPECT_EQ(TagHex(shape), "09 08 01 00 08 00 00 00 00 30 00");
}

TEST(ShapeWithStyle, IndexWidthsFollowTheStyleCounts) {
  struct Case {
    int styles;
    int bits;
  };
  const Case cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 3}, {7, 3}, {8, 4}};
  for (const Case& c : cases) {
    std::vector<std::unique_ptr<FillStyle>> fills;
    std::vector<LineStyle> lines;
    for (int i = 0; i < c.styles; ++i) {
      fills.push_back(std::make_unique<SolidFill>(Color(0, 0, 0, 255)));
      lines.emplace_back(1, Color(0, 0, 0));
    }
    ShapeWithStyle s(std::move(fills), std::move(lines));
    EXPECT_EQ(s.fill_bits(), c.bits) << c.styles;
    EXPECT_EQ(s.line_bits(), c.bits) << c.styles;
    OutputBuffer b;
    s.Write(b);
    // The NumFillBits/NumLineBits byte is the last one when there are no records.
    EXPECT_EQ(b.bytes().back(), c.bits * 16 + c.bits) << c.styles;
  }
}

TEST(ShapeWithStyle, StyleCountEscapeAt255) {
  struct Case {
    std::size_t count;
    const char* hex;
  };
  const Case cases[] = {{0, "00"}, {254, "FE"}, {255, "FF FF 00"}, {300, "FF 2C 01"}};
  for (const Case& c : cases) {
    EXPECT_EQ(Written([&](OutputBuffer& b) { WriteStyleCount(b, c.count); }), c.hex);
  }
  // And inside a shape: 255 fills counted FF FF 00 ahead of the styles.
  std::vector<std::unique_ptr<FillStyle>> fills;
  for (int i = 0; i < 255; ++i) fills.push_back(std::make_unique<SolidFill>(Color(1, 2, 3, 4)));
  ShapeWithStyle s(std::move(fills), {});
  EXPECT_EQ(s.fill_bits(), 8);
  OutputBuffer b;
  s.Write(b);
  const auto bytes = b.Flatten();
  ASSERT_EQ(bytes.size(), 3u + 255 * 5 + 1 + 1);
  EXPECT_EQ(ToHex({bytes.begin(), bytes.begin() + 8}), "FF FF 00 00 01 02 03 04");
  EXPECT_EQ(ToHex({bytes.end() - 2, bytes.end()}), "00 80");
}

TEST(FillStyle, Bytes) {
  Gradient two;
  EXPECT_TRUE(two.Add(0, Color(255, 0, 0, 255)));
  EXPECT_TRUE(two.Add(255, Color(0, 0, 255, 128)));
  EXPECT_EQ(two.count(), 2);
  Gradient rgb;
  rgb.Add(128, Color(1, 2, 3));

  struct Case {
    std::unique_ptr<FillStyle> style;
    const char* hex;
  };
  Case cases[] = {
      {std::make_unique<SolidFill>(Color(255, 0, 0, 255)), "00 FF 00 00 FF"},
      {std::make_unique<SolidFill>(Color(1, 2, 3)), "00 01 02 03"},  // written by its own flag
      {std::make_unique<GradientFill>(true, Matrix::Identity(), two), "10 00 02 00 FF 00 00 FF FF 00 00 FF 80"},
      {std::make_unique<GradientFill>(false, Matrix::Translation(100, 0), rgb), "12 10 C8 00 01 80 01 02 03"},
      {std::make_unique<GradientFill>(true, Matrix::Identity(), Gradient()), "10 00 00"},
      {std::make_unique<BitmapFill>(false, 3, Matrix::Identity()), "41 03 00 00"},
      {std::make_unique<BitmapFill>(true, 3, Matrix::Identity()), "40 03 00 00"},
      {std::make_unique<BitmapFill>(false, 0x1234, Matrix::Translation(100, 0)), "41 34 12 10 C8 00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Written([&](OutputBuffer& b) { c.style->Write(b); }), c.hex);
  }
}

TEST(FillStyle, GradientStopsAt255Records) {
  Gradient g;
  for (int i = 0; i < 255; ++i) ASSERT_TRUE(g.Add(i, Color(0, 0, 0, 255)));
  EXPECT_FALSE(g.Add(255, Color(0, 0, 0, 255)));
  EXPECT_EQ(g.count(), 255);
  OutputBuffer b;
  g.Write(b);
  EXPECT_EQ(b.Length(), 1u + 255 * 5);
  EXPECT_EQ(b.bytes()[0], 0xFF);
}

TEST(LineStyle, AlwaysRgba) {
  EXPECT_EQ(Written([](OutputBuffer& b) { LineStyle(20, Color(0, 0, 0)).Write(b); }), "14 00 00 00 00 FF");
  EXPECT_EQ(Written([](OutputBuffer& b) { LineStyle(0x1234, Color(1, 2, 3, 4)).Write(b); }), "34 12 01 02 03 04");
  EXPECT_TRUE(LineStyle(1, Color(1, 2, 3)).color().has_alpha);
}

TEST_F(DefineShape3Test, AddLineStyleCutsWidthTo16Bits) {
  DefineShape3Record shape(Rect{});
  shape.AddLineStyle(0x10014, Color(0, 0, 0));
  shape.CloseStyles();
  shape.AddShapeRecord(std::make_unique<EndShapeRecord>());
  EXPECT_EQ(TagHex(shape), "0E 08 01 00 08 00 00 01 14 00 00 00 00 FF 01 00");
}

TEST_F(DefineShape3Test, WrongCallingOrderIsRejected) {
  DefineShape3Record shape(Rect{0, 100, 0, 100});
  EXPECT_THROW(shape.AddShapeRecord(std::make_unique<EndShapeRecord>()), std::logic_error);
  OutputBuffer unused;
  EXPECT_THROW(shape.Write(unused), std::logic_error);
  EXPECT_EQ(unused.Length(), 0u);
  shape.AddFillStyle(std::make_unique<SolidFill>(Color(255, 0, 0, 255)));
  shape.CloseStyles();
  EXPECT_THROW(shape.AddFillStyle(std::make_unique<SolidFill>(Color(0, 0, 0, 255))), std::logic_error);
  EXPECT_THROW(shape.AddLineStyle(20, Color(0, 0, 0)), std::logic_error);
  EXPECT_THROW(shape.CloseStyles(), std::logic_error);
  EXPECT_THROW(shape.AddShapeRecord(nullptr), std::logic_error);
  // The rejected calls left the shape as it was: one fill, no lines.
  shape.AddShapeRecord(std::make_unique<StyleChangeRecord>(false, true, false, false, 0, 0, 0, 1, 0));
  shape.AddShapeRecord(std::make_unique<EndShapeRecord>());
  EXPECT_EQ(TagHex(shape), "11 08 01 00 40 03 20 03 20 01 00 FF 00 00 FF 00 10 12 00");
}

TEST_F(DefineShape3Test, NullFillStyleIsRejected) {
  DefineShape3Record shape(Rect{});
  EXPECT_THROW(shape.AddFillStyle(nullptr), std::logic_error);
}

TEST_F(DefineShape3Test, HeaderFormAroundSixtyTwoBytes) {
  // 8 + 5 * fills + 6 * lines body bytes with an all-zero RECT.
  struct Case {
    int fills, lines;
    const char* header;
  };
  const Case cases[] = {{6, 4, "3E 08"}, {11, 0, "3F 08 3F 00 00 00"}};
  for (const Case& c : cases) {
    DefineShape3Record shape(Rect{});
    for (int i = 0; i < c.fills; ++i) shape.AddFillStyle(std::make_unique<SolidFill>(Color(0, 0, 0, 255)));
    for (int i = 0; i < c.lines; ++i) shape.AddLineStyle(1, Color(0, 0, 0));
    shape.CloseStyles();
    shape.AddShapeRecord(std::make_unique<EndShapeRecord>());
    const auto bytes = TagBytes(shape);
    const auto header = Hex(c.header);
    ASSERT_GT(bytes.size(), header.size());
    EXPECT_EQ(ToHex({bytes.begin(), bytes.begin() + static_cast<long>(header.size())}), c.header);
  }
}

TEST_F(DefineShape3Test, TakesTheNextCharacterId) {
  DefineShape3Record a(Rect{});
  DefineShape3Record b(Rect{});
  EXPECT_EQ(a.CharacterId(), 1);
  EXPECT_EQ(b.CharacterId(), 2);
}

}  // namespace
}  // namespace vectrel
