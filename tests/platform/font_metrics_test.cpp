#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cmath>
#include <memory>

#include "platform/cell_height.h"
#include "platform/platform_font.h"

namespace platform {
namespace {

TEST(FontCellHeight, LargestPixelSizeWhoseCellFits) {
  const struct {
    int upem, ascent, descent, ppem, scaled_ascent, scaled_descent;
  } cases[] = {
      {2048, 1854, 434, 917, 830, 194},  // Liberation Sans
      {2048, 1901, 483, 880, 817, 208},  // DejaVu Sans
      {2048, 1918, 483, 873, 818, 206},  // WenQuanYi Micro Hei
      {2048, 2049, 423, 848, 848, 175},
      {1000, 1038, 0, 986, 1023, 0},     // 987 would make the cell 1025: one less
      {1000, 0, 0, 1024, 1024, 0},       // no metrics: the em square
  };
  for (const auto& c : cases) {
    const CellMetrics m = ScaleToCellHeight(c.upem, c.ascent, c.descent, 1024);
    EXPECT_EQ(m.pixels_per_em, c.ppem) << c.ascent << "/" << c.descent;
    EXPECT_EQ(m.ascent, c.scaled_ascent) << c.ascent << "/" << c.descent;
    EXPECT_EQ(m.descent, c.scaled_descent) << c.ascent << "/" << c.descent;
    // Ascent and descent are rounded apart, so the cell may miss 1024 by one.
    EXPECT_NEAR(m.CellHeight(), 1024, 1);
  }
}

class FontMetrics : public ::testing::Test {
 protected:
  void SetUp() override {
    font_ = PlatformFont::Create("Liberation Sans", CodePage::kWindows1252);
    ASSERT_NE(font_, nullptr);
    ASSERT_EQ(font_->Face().family, "Liberation Sans");
    ASSERT_TRUE(font_->AbcWidths(abc_));
  }
  int Width(unsigned char c) const { return abc_[c].a + abc_[c].b + abc_[c].c; }

  std::unique_ptr<PlatformFont> font_;
  std::array<AbcWidth, 256> abc_{};
};

TEST_F(FontMetrics, AscentPlusDescentIsTheCellHeight) {
  EXPECT_EQ(font_->PixelsPerEm(), 917);
  EXPECT_EQ(font_->Ascent(), 830);
  EXPECT_EQ(font_->Descent(), 194);
  EXPECT_EQ(font_->CellHeight(), 1024);
}

TEST_F(FontMetrics, AbcWidthsAgreeWithTheUnhintedGlyph) {
  FT_Library library = nullptr;
  ASSERT_EQ(FT_Init_FreeType(&library), 0);
  FT_Face face = nullptr;
  ASSERT_EQ(FT_New_Face(library, font_->Face().file.c_str(), font_->Face().index, &face), 0);
  for (const char c : {'i', 'A', 'W', 'j', ' '}) {
    const FT_ULong upem = face->units_per_EM;
    ASSERT_EQ(FT_Load_Char(face, static_cast<unsigned char>(c), FT_LOAD_NO_SCALE), 0);
    const double scale = 917.0 / upem;
    const double advance = face->glyph->metrics.horiAdvance * scale;
    const AbcWidth& w = abc_[static_cast<unsigned char>(c)];
    EXPECT_EQ(Width(c), static_cast<int>(std::ceil(advance - 1e-9))) << c;
    if (c == ' ') {
      EXPECT_EQ(w.a, 0);
      EXPECT_EQ(w.b, 1);  // an empty black box still counts one pixel
    } else {
      const double left = face->glyph->metrics.horiBearingX * scale;
      const double width = face->glyph->metrics.width * scale;
      EXPECT_NEAR(w.a, left, 1.0) << c;
      EXPECT_NEAR(w.b, width, 2.0) << c;
      EXPECT_GT(w.b, 0) << c;
    }
  }
  FT_Done_Face(face);
  FT_Done_FreeType(library);
  // 'i' is narrow with bearings on both sides; 'j' hangs to the left.
  EXPECT_GT(abc_['i'].a, 0);
  EXPECT_GT(abc_['i'].c, 0);
  EXPECT_LT(abc_['j'].a, abc_['i'].a);
}

TEST_F(FontMetrics, BytesAreCharactersOfTheCodePage) {
  // In 1252, 0xE9 is é, as wide as e; in UTF-8 the lone byte is no character
  // and gets the widths of U+FFFD.
  EXPECT_EQ(Width(0xE9), Width('e'));
  const auto utf8 = PlatformFont::Create("Liberation Sans", CodePage::kUtf8);
  std::array<AbcWidth, 256> abc{};
  ASSERT_TRUE(utf8->AbcWidths(abc));
  EXPECT_EQ(abc['e'], abc_['e']);
  EXPECT_EQ(abc[0xE9], abc[0xFF]);
  EXPECT_NE(abc[0xE9], abc_[0xE9]);
}

TEST(FontAbcWidths, GbkLeadBytesAreNoCharactersOnTheirOwn) {
  const auto gbk = PlatformFont::Create("SimSun", CodePage::kGbk);
  ASSERT_NE(gbk, nullptr);
  std::array<AbcWidth, 256> abc{};
  ASSERT_TRUE(gbk->AbcWidths(abc));
  EXPECT_EQ(abc[0xD6], abc[0x81]);  // both lead bytes: the widths of U+FFFD
  const auto utf8 = PlatformFont::Create("SimSun", CodePage::kUtf8);
  std::array<AbcWidth, 256> reference{};
  ASSERT_TRUE(utf8->AbcWidths(reference));
  EXPECT_EQ(abc[0xD6], reference[0xFF]);
  EXPECT_EQ(abc['A'], reference['A']);
  const auto euro = utf8->MeasureText("\xE2\x82\xAC");
  EXPECT_EQ(abc[0x80].a + abc[0x80].b + abc[0x80].c, euro.width);  // 0x80 is the euro sign in GBK
}

TEST_F(FontMetrics, ExtentIsTheSumOfAdvancesAndTheCellHeight) {
  EXPECT_EQ(font_->MeasureText("i"), (TextExtent{Width('i'), 1024}));
  EXPECT_EQ(font_->MeasureText("ii"), (TextExtent{2 * Width('i'), 1024}));
  EXPECT_EQ(font_->MeasureText(" "), (TextExtent{Width(' '), 1024}));
  EXPECT_EQ(font_->MeasureText(""), (TextExtent{0, 1024}));
}

TEST(FontExtent, DoubleByteCharacterIsOneFullEmIdeograph) {
  // 中 in GBK; WenQuanYi Micro Hei's ideographs are one em wide.
  const auto gbk = PlatformFont::Create("SimSun", CodePage::kGbk);
  ASSERT_NE(gbk, nullptr);
  ASSERT_EQ(gbk->Face().family, "WenQuanYi Micro Hei");
  EXPECT_EQ(gbk->PixelsPerEm(), 873);
  EXPECT_EQ(gbk->MeasureText("\xD6\xD0"), (TextExtent{873, gbk->CellHeight()}));
  // A face without the character measures it in the face that draws it.
  const auto latin = PlatformFont::Create("Liberation Sans", CodePage::kUtf8);
  EXPECT_EQ(latin->MeasureText("\xE4\xB8\xAD"), (TextExtent{873, 1024}));
}

}  // namespace
}  // namespace platform
