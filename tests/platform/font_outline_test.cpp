#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/codepage.h"
#include "platform/outline_conversion.h"
#include "platform/platform_font.h"

namespace platform {
namespace {

struct Vec {
  double x, y;
};

// The outline as closed polylines in pixels, the splines cut into short lines.
std::vector<std::vector<Vec>> Flatten(const GlyphOutline& outline) {
  const auto px = [](OutlinePoint p) { return Vec{p.x / 65536.0, p.y / 65536.0}; };
  std::vector<std::vector<Vec>> rings;
  for (const OutlinePolygon& polygon : outline) {
    std::vector<Vec> ring{px(polygon.start)};
    for (const CurveRecord& record : polygon.records) {
      if (record.kind == CurveKind::kLine) {
        for (const OutlinePoint& p : record.points) ring.push_back(px(p));
        continue;
      }
      for (std::size_t j = 0; j + 1 < record.points.size(); ++j) {
        const Vec a = ring.back(), c = px(record.points[j]), n = px(record.points[j + 1]);
        const Vec e = j + 2 == record.points.size() ? n : Vec{(c.x + n.x) / 2, (c.y + n.y) / 2};
        for (int k = 1; k <= 16; ++k) {
          const double t = k / 16.0, u = 1 - t;
          ring.push_back({u * u * a.x + 2 * u * t * c.x + t * t * e.x, u * u * a.y + 2 * u * t * c.y + t * t * e.y});
        }
      }
    }
    ring.push_back(ring.front());
    rings.push_back(std::move(ring));
  }
  return rings;
}

// Even-odd fill sampled at pixel centres; pixel (col, row) spans x from
// left + col and y down from top - row.
std::vector<bool> Fill(const GlyphOutline& outline, int left, int top, int width, int height) {
  const auto rings = Flatten(outline);
  std::vector<bool> inked(static_cast<std::size_t>(width) * height, false);
  for (int row = 0; row < height; ++row) {
    const double y = top - row - 0.5;
    std::vector<double> xs;
    for (const auto& ring : rings) {
      for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
        const Vec a = ring[i], b = ring[i + 1];
        if ((a.y <= y) != (b.y <= y)) xs.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
      }
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
      for (int col = 0; col < width; ++col) {
        const double x = left + col + 0.5;
        if (x >= xs[k] && x < xs[k + 1]) inked[static_cast<std::size_t>(row) * width + col] = true;
      }
    }
  }
  return inked;
}

class FreeTypeFace {
 public:
  FreeTypeFace(const FaceLocation& location, int ppem) {
    ok_ = FT_Init_FreeType(&library_) == 0 &&
          FT_New_Face(library_, location.file.c_str(), location.index, &face_) == 0 &&
          FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(ppem)) == 0;
  }
  ~FreeTypeFace() {
    if (face_ != nullptr) FT_Done_Face(face_);
    if (library_ != nullptr) FT_Done_FreeType(library_);
  }
  bool ok() const { return ok_; }
  FT_Face face() const { return face_; }
  bool Load(char32_t cp) { return FT_Load_Char(face_, cp, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) == 0; }

 private:
  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
  bool ok_ = false;
};

class FontOutline : public ::testing::Test {
 protected:
  void SetUp() override {
    font_ = PlatformFont::Create("Liberation Sans", CodePage::kUtf8);
    ASSERT_NE(font_, nullptr);
    ASSERT_EQ(font_->Face().family, "Liberation Sans");
  }
  GlyphOutline Outline(std::uint32_t code) const {
    std::string error;
    const auto outline = font_->Outline(code, &error);
    EXPECT_NE(outline, nullptr) << error;
    return outline ? *outline : GlyphOutline{};
  }
  std::unique_ptr<PlatformFont> font_;
};

TEST_F(FontOutline, ContoursOfSimpleLetters) {
  EXPECT_EQ(Outline('O').size(), 2u);
  EXPECT_EQ(Outline('8').size(), 3u);
  const GlyphOutline l = Outline('l');
  ASSERT_EQ(l.size(), 1u);
  int points = 1;
  for (const CurveRecord& r : l[0].records) {
    EXPECT_EQ(r.kind, CurveKind::kLine);
    points += static_cast<int>(r.points.size());
  }
  EXPECT_EQ(points, 4);  // a rectangle
  EXPECT_TRUE(Outline(' ').empty());
}

TEST_F(FontOutline, CoordinatesArePixelsInFixedPointWithYUp) {
  const auto top = [](const GlyphOutline& o, bool highest) {
    std::int32_t best = highest ? INT32_MIN : INT32_MAX;
    for (const auto& polygon : o) {
      best = highest ? std::max(best, polygon.start.y) : std::min(best, polygon.start.y);
      for (const auto& r : polygon.records) {
        for (const auto& p : r.points) best = highest ? std::max(best, p.y) : std::min(best, p.y);
      }
    }
    return best;
  };
  // Capital height of Liberation Sans is 1409 units of 2048.
  EXPECT_NEAR(top(Outline('X'), true) / 65536.0, 1409.0 * 917 / 2048, 1.0);
  EXPECT_EQ(top(Outline('X'), false), 0);
  EXPECT_LT(top(Outline('g'), false), -100 * 65536);  // the descender is below the baseline
}

TEST_F(FontOutline, SameAsAnUncachedConversionAndStartsOnCurve) {
  FreeTypeFace direct(font_->Face(), font_->PixelsPerEm());
  ASSERT_TRUE(direct.ok());
  for (const char c : {'O', '8', 'a', 'S', '@'}) {
    ASSERT_TRUE(direct.Load(static_cast<unsigned char>(c)));
    const FT_Outline& ft = direct.face()->glyph->outline;
    const GlyphOutline fresh = ConvertOutline(ft);
    EXPECT_EQ(Outline(static_cast<unsigned char>(c)), fresh) << c;
    EXPECT_EQ(Outline(static_cast<unsigned char>(c)), fresh) << c;  // now from the cache
    // Each start is one of the contour's on-curve points.
    ASSERT_EQ(fresh.size(), static_cast<std::size_t>(ft.n_contours));
    int first = 0;
    for (int k = 0; k < ft.n_contours; ++k) {
      bool found = false;
      for (int i = first; i <= ft.contours[k]; ++i) {
        found = found || (FT_CURVE_TAG(ft.tags[i]) == FT_CURVE_TAG_ON && ft.points[i].x * 1024 == fresh[k].start.x &&
                          ft.points[i].y * 1024 == fresh[k].start.y);
      }
      EXPECT_TRUE(found) << c << " contour " << k;
      first = ft.contours[k] + 1;
    }
  }
}

TEST_F(FontOutline, FillsTheSamePixelsAsFreeTypeRendersThem) {
  FreeTypeFace direct(font_->Face(), font_->PixelsPerEm());
  ASSERT_TRUE(direct.ok());
  for (const char c : {'O', '8'}) {
    ASSERT_TRUE(direct.Load(static_cast<unsigned char>(c)));
    ASSERT_EQ(FT_Render_Glyph(direct.face()->glyph, FT_RENDER_MODE_NORMAL), 0);
    const FT_Bitmap& bitmap = direct.face()->glyph->bitmap;
    // A margin round the bitmap catches ink where FreeType has none.
    const int margin = 8;
    const int width = static_cast<int>(bitmap.width) + 2 * margin;
    const int height = static_cast<int>(bitmap.rows) + 2 * margin;
    const int left = direct.face()->glyph->bitmap_left - margin;
    const int top = direct.face()->glyph->bitmap_top + margin;
    const std::vector<bool> ours = Fill(Outline(static_cast<unsigned char>(c)), left, top, width, height);
    int inked = 0, differ = 0;
    for (int row = 0; row < height; ++row) {
      for (int col = 0; col < width; ++col) {
        const int br = row - margin, bc = col - margin;
        const bool theirs = br >= 0 && bc >= 0 && br < static_cast<int>(bitmap.rows) &&
                            bc < static_cast<int>(bitmap.width) && bitmap.buffer[br * bitmap.pitch + bc] >= 128;
        const bool mine = ours[static_cast<std::size_t>(row) * width + col];
        inked += mine || theirs;
        differ += mine != theirs;
      }
    }
    ASSERT_GT(inked, 1000) << c;
    // At least 98% agreement, counted over the inked pixels only.
    EXPECT_LE(differ * 50, inked) << c << ": " << differ << " of " << inked;
  }
}

TEST(FontOutlineCjk, IdeographThroughUtf8) {
  const auto simsun = PlatformFont::Create("SimSun", CodePage::kUtf8);
  ASSERT_NE(simsun, nullptr);
  ASSERT_EQ(simsun->Face().family, "WenQuanYi Micro Hei");
  const std::string kou = "\xE5\x8F\xA3";  // 口
  const std::uint32_t code = CharacterCode(kou, 0, CodePage::kUtf8);
  const auto outline = simsun->Outline(code);
  ASSERT_NE(outline, nullptr);
  EXPECT_EQ(outline->size(), 2u);  // the frame and its hole
  // A Latin face draws it with the face that has it.
  const auto latin = PlatformFont::Create("Liberation Sans", CodePage::kUtf8);
  const auto linked = latin->Outline(code);
  ASSERT_NE(linked, nullptr);
  EXPECT_EQ(*linked, *outline);
  // The same character in GBK.
  const auto gbk = PlatformFont::Create("SimSun", CodePage::kGbk);
  const auto from_gbk = gbk->Outline(0xBFDA);  // 口 in GBK
  ASSERT_NE(from_gbk, nullptr);
  EXPECT_EQ(*from_gbk, *outline);
}

}  // namespace
}  // namespace platform
