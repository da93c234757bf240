// Fonts from installed outlines, and the texts drawn with them.
#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>

#include "platform/platform_font.h"
#include "shape_reader.h"
#include "support/temp_env.h"
#include "vectrel/authoring/font_object.h"
#include "vectrel/authoring/movie_model.h"
#include "vectrel/authoring/outline_builder.h"
#include "vectrel/authoring/text_object.h"
#include "vectrel/encoding/tag_record.h"

namespace vectrel {
namespace {

using namespace authoringtest;
using Kind = GlyphStep::Kind;

constexpr const char* kFace = "Liberation Sans";

int Width(char c) {
  const auto font = platform::PlatformFont::Create(kFace);
  std::array<platform::AbcWidth, 256> abc{};
  font->AbcWidths(abc);
  const auto& w = abc[static_cast<unsigned char>(c)];
  return std::abs(w.a) + std::abs(w.b) + std::abs(w.c);
}

std::vector<std::array<int, 2>> MovePoints(const GlyphSteps& steps) {
  // Absolute positions of the moves, following the edges between them.
  std::vector<std::array<int, 2>> points;
  int x = 0, y = 0;
  for (const auto& s : steps) {
    switch (s.kind) {
      case Kind::kFirstMove:
      case Kind::kMove:
        x = s.a, y = s.b;
        points.push_back({x, y});
        break;
      case Kind::kStraight:
        x += s.a, y += s.b;
        break;
      case Kind::kCurve:
        x += s.a + s.c, y += s.b + s.d;
        break;
    }
  }
  return points;
}

TEST(OutlineBuilderTest, ResolvesThePinnedFace) {
  const auto font = platform::PlatformFont::Create(kFace);
  ASSERT_TRUE(font);
  ASSERT_EQ(font->Face().family, kFace) << "install fonts-liberation";
}

TEST(OutlineBuilderTest, SpaceIsASingleMoveAndItsWidthPlus21) {
  const auto result = OutlineBuilder::Build(kFace, " ");
  ASSERT_EQ(result.steps.size(), 1u);
  EXPECT_EQ(result.steps[0].kind, Kind::kFirstMove);
  EXPECT_EQ(result.Advance(), Width(' ') + 21);
}

TEST(OutlineBuilderTest, TwoCharactersSitSideBySide) {
  const auto one = OutlineBuilder::Build(kFace, "i");
  const auto two = OutlineBuilder::Build(kFace, "ii");
  const auto a = MovePoints(one.steps), b = MovePoints(two.steps);
  ASSERT_EQ(b.size(), 2 * a.size());
  const int w = Width('i');
  for (std::size_t k = 0; k < a.size(); ++k) {
    EXPECT_EQ(b[k], a[k]);
    EXPECT_EQ(b[k + a.size()][0], a[k][0] + w);
    EXPECT_EQ(b[k + a.size()][1], a[k][1]);
  }
  EXPECT_EQ(two.steps[a.size() == 0 ? 0 : one.steps.size()].kind, Kind::kFirstMove);
  EXPECT_GT(two.Advance(), one.Advance());
}

TEST(OutlineBuilderTest, TopOfXIsZeroAndEdgesNeverHaveZeroLength) {
  const auto x = OutlineBuilder::Build(kFace, "X");
  int min_y = 1 << 30;
  int cx = 0, cy = 0;
  for (const auto& s : x.steps) {
    if (s.kind == Kind::kFirstMove || s.kind == Kind::kMove) {
      cx = s.a, cy = s.b;
    } else if (s.kind == Kind::kStraight) {
      EXPECT_FALSE(s.a == 0 && s.b == 0);
      cx += s.a, cy += s.b;
    } else {
      cx += s.a + s.c, cy += s.b + s.d;
    }
    min_y = std::min(min_y, cy);
  }
  EXPECT_EQ(min_y, 0);
  EXPECT_EQ(x.bounds.y_min, -10);
}

// Even-odd inside test of a glyph shape, curves flattened.
class GlyphRaster {
 public:
  explicit GlyphRaster(const GlyphSteps& steps) {
    double x = 0, y = 0;
    for (const auto& s : steps) {
      if (s.kind == Kind::kFirstMove || s.kind == Kind::kMove) {
        x = s.a, y = s.b;
      } else if (s.kind == Kind::kStraight) {
        edges_.push_back({x, y, x + s.a, y + s.b});
        x += s.a, y += s.b;
      } else {
        const double qx = x + s.a, qy = y + s.b, rx = qx + s.c, ry = qy + s.d;
        double px = x, py = y;
        for (int i = 1; i <= 8; ++i) {
          const double t = i / 8.0;
          const double nx = (1 - t) * (1 - t) * x + 2 * (1 - t) * t * qx + t * t * rx;
          const double ny = (1 - t) * (1 - t) * y + 2 * (1 - t) * t * qy + t * t * ry;
          edges_.push_back({px, py, nx, ny});
          px = nx, py = ny;
        }
        x = rx, y = ry;
      }
    }
  }
  bool Inside(double px, double py) const {
    bool in = false;
    for (const auto& e : edges_) {
      if ((e[1] > py) != (e[3] > py)) {
        const double xi = e[0] + (py - e[1]) * (e[2] - e[0]) / (e[3] - e[1]);
        if (xi > px) in = !in;
      }
    }
    return in;
  }

 private:
  std::vector<std::array<double, 4>> edges_;
};

double AgreementWithFreeType(char c) {
  const auto font = platform::PlatformFont::Create(kFace);
  const auto shape = OutlineBuilder::Build(kFace, std::string(1, c));
  FT_Library library;
  FT_Face face;
  EXPECT_EQ(FT_Init_FreeType(&library), 0);
  EXPECT_EQ(FT_New_Face(library, font->Face().file.c_str(), font->Face().index, &face), 0);
  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(font->PixelsPerEm()));
  EXPECT_EQ(FT_Load_Char(face, static_cast<FT_ULong>(c), FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP | FT_LOAD_RENDER), 0);
  // In glyph coordinates the baseline lies at the height of "X" (its top is at 0).
  const auto xr = OutlineBuilder::Build(kFace, "X");
  int baseline = 0;
  {
    int cx = 0, cy = 0;
    for (const auto& s : xr.steps) {
      if (s.kind == Kind::kFirstMove || s.kind == Kind::kMove) cx = s.a, cy = s.b;
      else if (s.kind == Kind::kStraight) cx += s.a, cy += s.b;
      else cx += s.a + s.c, cy += s.b + s.d;
      baseline = std::max(baseline, cy);
    }
  }
  const GlyphRaster raster(shape.steps);
  const FT_Bitmap& bitmap = face->glyph->bitmap;
  int agree = 0, total = 0;
  for (unsigned row = 0; row < bitmap.rows; row += 2) {
    for (unsigned col = 0; col < bitmap.width; col += 2) {
      const bool ft = bitmap.buffer[row * static_cast<unsigned>(bitmap.pitch) + col] >= 128;
      const double gx = face->glyph->bitmap_left + col + 0.5;
      const double y_up = face->glyph->bitmap_top - static_cast<double>(row) - 0.5;
      const bool ours = raster.Inside(gx, baseline - y_up);
      agree += ft == ours;
      ++total;
    }
  }
  FT_Done_Face(face);
  FT_Done_FreeType(library);
  return total == 0 ? 0.0 : static_cast<double>(agree) / total;
}

TEST(OutlineBuilderTest, GlyphShapesMatchFreeTypesRendering) {
  for (char c : {'O', '8', 'g', 'S'}) EXPECT_GE(AgreementWithFreeType(c), 0.98) << c;
}

class TextTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetCharacterIds(); }
  ParsedMovie Write() {
    const auto path = (dir_ / ("t" + std::to_string(n_++) + ".swf")).string();
    EXPECT_EQ(movie_.Write(path), WriteStatus::kWritten);
    return testsupport::ParseMovie(testsupport::ReadFileBytes(path));
  }
  static GlyphEntry Glyph(int code, int advance) {
    return GlyphEntry{{GlyphStep{Kind::kFirstMove, 0, 0, 0, 0}, GlyphStep{Kind::kStraight, 10, 0, 0, 0}}, code,
                      advance};
  }
  MovieModel movie_;
  std::filesystem::path dir_ = testsupport::FreshDir();
  int n_ = 0;
};

struct TextBody {
  int id = 0;
  int xmin = 0, xmax = 0, ymin = 0, ymax = 0;
  int font_id = 0;
  std::array<int, 4> color{};
  int height = 0;
  std::vector<std::pair<int, int>> entries;
};

TextBody ReadText(const Bytes& body) {
  TextBody t;
  BitReader r(body);
  t.id = static_cast<int>(r.U16le());
  const int n = static_cast<int>(r.U(5));
  t.xmin = r.S(n), t.xmax = r.S(n), t.ymin = r.S(n), t.ymax = r.S(n);
  r.Align();
  EXPECT_EQ(r.U8(), 0u);  // identity matrix
  const int glyph_bits = static_cast<int>(r.U8());
  const int advance_bits = static_cast<int>(r.U8());
  EXPECT_EQ(r.U8(), 0x8Cu);  // style: has font, has colour
  t.font_id = static_cast<int>(r.U16le());
  for (auto& c : t.color) c = static_cast<int>(r.U8());
  t.height = static_cast<int>(r.U16le());
  const int count = static_cast<int>(r.U8() & 0x7F);
  for (int i = 0; i < count; ++i) {
    const int index = static_cast<int>(r.U(glyph_bits));
    t.entries.emplace_back(index, static_cast<int>(r.U(advance_bits)));
  }
  return t;
}

TEST_F(TextTest, CharactersWithoutGlyphsAreLeftOut) {
  auto font = std::make_shared<FontObject>("Test");
  font->AddGlyphEntry(Glyph(72, 600));
  font->AddGlyphEntry(Glyph(105, 250));
  TextObject text("Hi!", font);
  EXPECT_EQ(text.bounds().xmax, 850);
  EXPECT_EQ(text.bounds().ymin, -100);
  EXPECT_EQ(text.bounds().ymax, 924);
  movie_.GetFrame(0).AddObject(text);
  const auto frame = Frames(Write()).at(0);
  ASSERT_EQ(frame.size(), 4u);
  EXPECT_EQ(frame[0].code, kTagDefineFont);
  EXPECT_EQ(frame[1].code, kTagDefineFontInfo);
  EXPECT_EQ(frame[2].code, kTagDefineText2);
  EXPECT_EQ(frame[3].code, kTagPlaceObject2);
  const auto t = ReadText(frame[2].body);
  EXPECT_EQ(t.font_id, 1);
  EXPECT_EQ(t.id, 3);  // the font info took id 2
  EXPECT_EQ(t.xmax, 850);
  EXPECT_EQ(t.color, (std::array<int, 4>{255, 255, 255, 255}));
  EXPECT_EQ(t.height, 1024);
  EXPECT_EQ(t.entries, (std::vector<std::pair<int, int>>{{0, 600}, {1, 250}}));
}

TEST_F(TextTest, TextMadeBeforeItsGlyphsStillListsThem) {
  auto font = std::make_shared<FontObject>("Test");
  TextObject text("ab", font);
  EXPECT_EQ(text.bounds().xmax, 0);
  font->AddGlyphEntry(Glyph('a', 300));
  font->AddGlyphEntry(Glyph('b', 310));
  movie_.GetFrame(0).AddObject(text);
  const auto t = ReadText(Write().TagsWithCode(kTagDefineText2).at(0).body);
  EXPECT_EQ(t.entries.size(), 2u);
  EXPECT_EQ(t.xmax, 0);
}

TEST_F(TextTest, SameCodeTwiceFindsTheFirstAndWritesBoth) {
  auto font = std::make_shared<FontObject>("Sans");
  font->AddGlyphEntry(Glyph(65, 100));
  font->AddGlyphEntry(Glyph(65, 200));
  font->AddGlyphEntry(Glyph(0x141, 300));  // above 255
  EXPECT_EQ(font->GlyphIndex('A'), 0);
  EXPECT_EQ(font->GlyphIndex('B'), -1);
  movie_.GetFrame(0).AddObject(*font);
  const auto m = Write();
  const auto info = m.TagsWithCode(kTagDefineFontInfo).at(0);
  EXPECT_EQ(testsupport::ToHex(info.body), "01 00 04 53 61 6E 73 10 41 41 41");
  const auto def = m.TagsWithCode(kTagDefineFont).at(0);
  EXPECT_EQ(U16(def.body, 2), 6);  // three offsets
  EXPECT_TRUE(m.TagsWithCode(kTagPlaceObject2).empty());
}

TEST_F(TextTest, FontWithoutGlyphsWritesNothingAndNeitherDoesItsText) {
  auto font = std::make_shared<FontObject>("Empty");
  TextObject text("abc", font);
  movie_.GetFrame(0).AddObject(text);
  movie_.GetFrame(0).AddObject(*font);
  const auto frames = Frames(Write());
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_TRUE(frames[0].empty());
}

TEST_F(TextTest, FitToBoxOf1025IsExact) {
  auto font = std::make_shared<FontObject>("Test");
  font->AddGlyphEntry(Glyph('a', 777));
  TextObject text("a", font);
  text.FitToBox(300, 400, 1025);
  EXPECT_EQ(text.scale_x(), 65535);
  EXPECT_EQ(text.scale_y(), 65535);
  EXPECT_EQ(text.translate_x(), 300);
  EXPECT_EQ(text.translate_y(), 400);
  text.FitToBox(0, 0, 2050);
  EXPECT_EQ(text.scale_x(), 131070);
}

TEST_F(TextTest, NewColourMeansANewTextButNotANewFont) {
  auto font = std::make_shared<FontObject>("Test");
  font->AddGlyphEntry(Glyph('a', 100));
  TextObject text("a", font);
  movie_.GetFrame(0).AddObject(text);
  text.SetSolidFill(0, 0, 0, 255);
  movie_.GetFrame(1).RemoveObject(text);
  movie_.GetFrame(1).AddObject(text);
  const auto m = Write();
  EXPECT_EQ(m.TagsWithCode(kTagDefineFont).size(), 1u);
  const auto texts = m.TagsWithCode(kTagDefineText2);
  ASSERT_EQ(texts.size(), 2u);
  const auto a = ReadText(texts[0].body), b = ReadText(texts[1].body);
  EXPECT_NE(a.id, b.id);
  EXPECT_EQ(b.color, (std::array<int, 4>{0, 0, 0, 255}));
}

TEST_F(TextTest, SimpleTextsEachCarryAOneGlyphFont) {
  auto first = TextObject::MakeSimple(kFace, "Hello", 0, 0, 480);
  auto second = TextObject::MakeSimple(kFace, "World", 0, 600, 480);
  movie_.GetFrame(0).AddObject(*first);
  movie_.GetFrame(0).AddObject(*second);
  const auto m = Write();
  const auto infos = m.TagsWithCode(kTagDefineFontInfo);
  ASSERT_EQ(infos.size(), 2u);
  for (const auto& info : infos) {
    EXPECT_EQ(info.body.back(), 65);  // one code: 'A'
    EXPECT_EQ(info.body.size(), 2u + 1u + std::string(kFace).size() + 1u + 1u);
  }
  const auto texts = m.TagsWithCode(kTagDefineText2);
  ASSERT_EQ(texts.size(), 2u);
  const auto t = ReadText(texts[0].body);
  ASSERT_EQ(t.entries.size(), 1u);
  EXPECT_EQ(t.entries[0].first, 0);
  EXPECT_EQ(t.entries[0].second, t.xmax);  // the line's advance is the text's width
}

TEST_F(TextTest, FontAddedToALaterMovieIsWrittenThereToo) {
  auto text = TextObject::MakeSimple(kFace, "Hi", 0, 0, 480);
  movie_.GetFrame(0).AddObject(*text);
  Write();
  movie_.GetFrame(0).AddObject(*text);
  const auto m = Write();
  EXPECT_EQ(m.TagsWithCode(kTagDefineFont).size(), 1u);
  const auto t = ReadText(m.TagsWithCode(kTagDefineText2).at(0).body);
  EXPECT_EQ(t.font_id, U16(m.TagsWithCode(kTagDefineFont).at(0).body, 0));
}

TEST_F(TextTest, ChineseTextBecomesOneGlyphWithTheCharactersContours) {
  // "口" in UTF-8, the default code page: a square within a square.
  const auto result = OutlineBuilder::Build("WenQuanYi Micro Hei", "\xE5\x8F\xA3");
  int moves = 0;
  for (const auto& s : result.steps) moves += s.kind == Kind::kFirstMove || s.kind == Kind::kMove;
  EXPECT_EQ(moves, 2);
  EXPECT_GT(result.steps.size(), 4u);
  EXPECT_GT(result.Advance(), 500);
}

}  // namespace
}  // namespace vectrel
