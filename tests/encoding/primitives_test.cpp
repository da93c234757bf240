#include <gtest/gtest.h>

#include "support/bytes.h"
#include "vectrel/encoding/color.h"
#include "vectrel/encoding/color_transform.h"
#include "vectrel/encoding/matrix.h"
#include "vectrel/encoding/rect.h"

namespace vectrel {
namespace {

using testsupport::ToHex;

template <typename F>
std::string Written(F&& write) {
  OutputBuffer b;
  write(b);
  b.Align();
  return ToHex(b.bytes());
}

TEST(Primitives, Rect) {
  EXPECT_EQ(Written([](OutputBuffer& b) { WriteRect(b, Rect{0, 11000, 0, 8000}); }),
            "78 00 05 5F 00 00 0F A0 00");
  // All zero: 1-bit fields.
  EXPECT_EQ(Written([](OutputBuffer& b) { WriteRect(b, Rect{0, 0, 0, 0}); }), "08 00");
  // Negative corners.
  EXPECT_EQ(Written([](OutputBuffer& b) { WriteRect(b, Rect{-1, 1, -1, 1}); }), "16 E8");
}

TEST(Primitives, Matrix) {
  struct Case {
    Matrix m;
    const char* hex;
  };
  const Case cases[] = {
      {Matrix::Identity(), "00"},
      {Matrix::Translation(100, 0), "10 C8 00"},
      {Matrix::Translation(0, 0), "02 00"},
      {Matrix::Make(true, 0x20000, 0x20000, false, 0, 0, 20, -20), "CD 00 00 20 00 01 94 B0"},
  };
  for (const auto& c : cases) EXPECT_EQ(Written([&](OutputBuffer& b) { WriteMatrix(b, c.m); }), c.hex);
}

TEST(Primitives, MatrixWidthsAreComputedEvenForAbsentParts) {
  const Matrix m = Matrix::Make(false, 0x10000, 0, false, -3, 0, 1, 1);
  EXPECT_EQ(m.scale_bits, 18);
  EXPECT_EQ(m.rotate_bits, 3);
  EXPECT_EQ(m.translate_bits, 2);
}

TEST(Primitives, MatrixWithRotation) {
  // 90 degrees: skews 65536 and -65536, scales 0, translation (100, 0).
  const Matrix m = Matrix::Make(true, 0, 0, true, 65536, -65536, 100, 0);
  OutputBuffer b;
  WriteMatrix(b, m);
  // HasScale, 5 bits=1, 0, 0, HasRotate, 5 bits=18, 65536, -65536, 5 bits=8, 100, 0.
  EXPECT_EQ(ToHex(b.bytes()), "84 C9 00 00 C0 00 10 C8 00");
}

TEST(Primitives, ColorTransform) {
  EXPECT_EQ(Written([](OutputBuffer& b) { ColorTransform().Write(b); }), "04");
  EXPECT_EQ(Written([](OutputBuffer& b) { ColorTransform::AddOnly(255, 0, 0, 0).Write(b); }),
            "A5 FE 00 00 00 00");
  EXPECT_EQ(ColorTransform::AddOnly(255, 0, 0, 0).bits(), 9);
}

TEST(Primitives, Colors) {
  EXPECT_EQ(Written([](OutputBuffer& b) { WriteColor(b, Color(1, 2, 3)); }), "01 02 03");
  EXPECT_EQ(Written([](OutputBuffer& b) { WriteColor(b, Color(1, 2, 3, 4)); }), "01 02 03 04");
  const Color packed = Color::FromPacked(0x80FF0000u);
  EXPECT_EQ(packed, Color(0, 0, 255, 128));
  EXPECT_TRUE(packed.has_alpha);
  EXPECT_FALSE(Color(1, 2, 3).has_alpha);
}

}  // namespace
}  // namespace vectrel
