// Rendering of the display tags, checked pixel by pixel on small movies.
#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>

#include "movie_builder.h"
#include "render_helpers.h"

namespace playertest {
namespace {

using vectrel::Color;
using vectrel::Matrix;
using vectrel::Rect;

constexpr int kTwips = 20;

Rect Px(int x0, int y0, int x1, int y1) { return Rect{x0 * kTwips, x1 * kTwips, y0 * kTwips, y1 * kTwips}; }

TEST(Render, RedSquareAtItsPlaceOnTheBackground) {
  MovieBuilder m(100, 80);
  m.Background(0, 0, 255);
  m.Rectangle(1, Px(20, 10, 60, 50), Color(255, 0, 0, 255));
  m.Place(1, 1);
  m.ShowFrame();
  const QImage image = Render(m.Build(), 0);
  ASSERT_EQ(image.size(), QSize(100, 80));
  EXPECT_TRUE(IsColor(image, 40, 30, 255, 0, 0)) << Describe(image, 40, 30);
  EXPECT_TRUE(IsColor(image, 21, 11, 255, 0, 0)) << Describe(image, 21, 11);
  EXPECT_TRUE(IsColor(image, 58, 48, 255, 0, 0)) << Describe(image, 58, 48);
  for (QPoint outside : {QPoint(18, 30), QPoint(61, 30), QPoint(40, 8), QPoint(40, 51), QPoint(0, 0), QPoint(99, 79)})
    EXPECT_TRUE(IsColor(image, outside.x(), outside.y(), 0, 0, 255)) << outside.x() << "," << outside.y();
}

TEST(Render, ScaleMultipliesThePixels) {
  MovieBuilder m(100, 80);
  m.Rectangle(1, Px(20, 10, 60, 50), Color(255, 0, 0, 255));
  m.Place(1, 1);
  m.ShowFrame();
  const QImage image = Render(m.Build(), 0, 2.5);
  ASSERT_EQ(image.size(), QSize(250, 200));
  EXPECT_TRUE(IsColor(image, 100, 75, 255, 0, 0));
  EXPECT_TRUE(IsColor(image, 45, 75, 255, 255, 255));  // x 18 at scale 1: white background by default
  EXPECT_TRUE(IsColor(image, 155, 75, 255, 255, 255));
}

TEST(Render, RadialGradientCentreAndEdge) {
  // A 200 x 200 px square, gradient square (32768 twips) scaled onto it.
  MovieBuilder m(200, 200);
  const double s = 4000.0 / 32768.0;
  const auto fixed = static_cast<std::int32_t>(std::lround(s * 65536));
  const Matrix gm = Matrix::Make(true, fixed, fixed, false, 0, 0, 2000, 2000);
  m.Shape(1, Px(0, 0, 200, 200), GradientFill(false, gm, {{0, Color(255, 0, 0, 255)}, {255, Color(0, 0, 255, 255)}}),
          {{QPoint(0, 0), QPoint(4000, 0), QPoint(4000, 4000), QPoint(0, 4000)}});
  m.Place(1, 1);
  m.ShowFrame();
  const QImage image = Render(m.Build(), 0);
  EXPECT_TRUE(IsColor(image, 100, 100, 255, 0, 0, 12)) << Describe(image, 100, 100);
  EXPECT_TRUE(IsColor(image, 100, 1, 0, 0, 255, 12)) << Describe(image, 100, 1);
  EXPECT_TRUE(IsColor(image, 2, 2, 0, 0, 255, 4)) << Describe(image, 2, 2);  // beyond the radius: padded
  // Half-way out: about half of each.
  const QColor mid = image.pixelColor(150, 100);
  EXPECT_NEAR(mid.red(), 128, 20);
  EXPECT_NEAR(mid.blue(), 128, 20);
}

TEST(Render, LinearGradientRunsLeftToRight) {
  MovieBuilder m(200, 20);
  const auto fixed = static_cast<std::int32_t>(std::lround(4000.0 / 32768.0 * 65536));
  const Matrix gm = Matrix::Make(true, fixed, fixed, false, 0, 0, 2000, 200);
  m.Shape(1, Px(0, 0, 200, 20), GradientFill(true, gm, {{0, Color(0, 0, 0, 255)}, {255, Color(255, 255, 255, 255)}}),
          {{QPoint(0, 0), QPoint(4000, 0), QPoint(4000, 400), QPoint(0, 400)}});
  m.Place(1, 1);
  m.ShowFrame();
  const QImage image = Render(m.Build(), 0);
  EXPECT_LT(image.pixelColor(2, 10).red(), 10);
  EXPECT_GT(image.pixelColor(197, 10).red(), 245);
  EXPECT_NEAR(image.pixelColor(100, 10).red(), 128, 12);
}

TEST(Render, RotatedAndScaledShape) {
  // A 20 x 20 px square around its origin, scaled by 2 and turned by 45
  // degrees: a diamond whose corners lie 28 px from the centre on the axes.
  MovieBuilder m(200, 200);
  m.Rectangle(1, Rect{-200, 200, -200, 200}, Color(0, 128, 0, 255));
  const double c = 2 * std::cos(M_PI / 4) * 65536;
  const auto k = static_cast<std::int32_t>(std::lround(c));
  m.Place(1, 1, Matrix::Make(true, k, k, true, k, -k, 2000, 2000));
  m.ShowFrame();
  const QImage image = Render(m.Build(), 0);
  EXPECT_TRUE(IsColor(image, 100, 100, 0, 128, 0));
  EXPECT_TRUE(IsColor(image, 125, 100, 0, 128, 0)) << Describe(image, 125, 100);
  EXPECT_TRUE(IsColor(image, 100, 75, 0, 128, 0)) << Describe(image, 100, 75);
  // Inside the unturned square, outside the diamond.
  EXPECT_TRUE(IsColor(image, 118, 118, 255, 255, 255)) << Describe(image, 118, 118);
  EXPECT_TRUE(IsColor(image, 82, 82, 255, 255, 255)) << Describe(image, 82, 82);
  EXPECT_TRUE(IsColor(image, 131, 100, 255, 255, 255)) << Describe(image, 131, 100);
}

TEST(Render, ClippedBitmapFillFromJpeg) {
  QImage picture(32, 32, QImage::Format_RGB32);
  picture.fill(Qt::red);
  QPainter(&picture).fillRect(16, 0, 16, 32, Qt::blue);
  MovieBuilder m(100, 100);
  m.JpegBitmap(1, JpegFile(picture));
  // Bitmap pixels of 40 twips: the picture covers 64 x 64 px from (10, 10).
  m.Shape(2, Px(10, 10, 74, 74), BitmapFill(1, Matrix::Make(true, 40 << 16, 40 << 16, false, 0, 0, 200, 200), false),
          {{QPoint(200, 200), QPoint(1480, 200), QPoint(1480, 1480), QPoint(200, 1480)}});
  m.Place(1, 2);
  m.ShowFrame();
  const QImage image = Render(m.Build(), 0);
  EXPECT_TRUE(IsColor(image, 25, 40, 255, 0, 0, 30)) << Describe(image, 25, 40);
  EXPECT_TRUE(IsColor(image, 60, 40, 0, 0, 255, 30)) << Describe(image, 60, 40);
  EXPECT_TRUE(IsColor(image, 5, 40, 255, 255, 255, 2)) << Describe(image, 5, 40);
  EXPECT_TRUE(IsColor(image, 80, 40, 255, 255, 255, 2)) << Describe(image, 80, 40);
}

TEST(Render, RepeatingBitmapFillTiles) {
  QImage picture(8, 8, QImage::Format_RGB32);
  picture.fill(Qt::green);
  MovieBuilder m(100, 100);
  m.JpegBitmap(1, JpegFile(picture));
  m.Shape(2, Px(0, 0, 100, 100), BitmapFill(1, Matrix::Make(true, 20 << 16, 20 << 16, false, 0, 0, 0, 0), true),
          {{QPoint(0, 0), QPoint(2000, 0), QPoint(2000, 2000), QPoint(0, 2000)}});
  m.Place(1, 2);
  m.ShowFrame();
  const QImage image = Render(m.Build(), 0);
  EXPECT_TRUE(IsColor(image, 90, 90, 0, 255, 0, 30)) << Describe(image, 90, 90);
}

TEST(Render, RemoveObjectTakesAShapeAwayInTheNextFrame) {
  MovieBuilder m(100, 50);
  m.Rectangle(1, Px(0, 0, 40, 50), Color(255, 0, 0, 255));
  m.Rectangle(2, Px(60, 0, 100, 50), Color(0, 0, 255, 255));
  m.Place(1, 1);
  m.Place(2, 2);
  m.ShowFrame();
  m.Remove(1, 1);
  m.ShowFrame();
  const Bytes movie = m.Build();
  const QImage first = Render(movie, 0);
  EXPECT_TRUE(IsColor(first, 20, 25, 255, 0, 0));
  EXPECT_TRUE(IsColor(first, 80, 25, 0, 0, 255));
  const QImage second = Render(movie, 1);
  EXPECT_TRUE(IsColor(second, 20, 25, 255, 255, 255)) << Describe(second, 20, 25);
  EXPECT_TRUE(IsColor(second, 80, 25, 0, 0, 255));
}

TEST(Render, HigherDepthsDrawOnTop) {
  MovieBuilder m(50, 50);
  m.Rectangle(1, Px(0, 0, 50, 50), Color(255, 0, 0, 255));
  m.Rectangle(2, Px(0, 0, 50, 50), Color(0, 255, 0, 255));
  m.Place(5, 1);
  m.Place(2, 2);
  m.ShowFrame();
  EXPECT_TRUE(IsColor(Render(m.Build(), 0), 25, 25, 255, 0, 0));
}

TEST(Render, TextGlyphCoversItsBox) {
  // One glyph: a box from x 100 to 900 and 800 units above the baseline.
  MovieBuilder m(100, 60);
  m.Font(1, {{QPoint(100, -800), QPoint(900, -800), QPoint(900, 0), QPoint(100, 0)}});
  m.FontInfo(1, "Box", {65});
  m.Text(2, Rect{0, 1024, -1024, 0}, 1, 1024, Color(200, 0, 100, 255), {{0, 1024}});
  m.Place(1, 2, Matrix::Translation(20 * kTwips, 45 * kTwips));
  m.ShowFrame();
  const QImage image = Render(m.Build(), 0);
  // 1024 twips high: one unit is one twip, so the box is x 25..65, y 5..45 px.
  int covered = 0, total = 0;
  for (int y = 6; y < 44; ++y)
    for (int x = 26; x < 64; ++x) {
      ++total;
      covered += IsColor(image, x, y, 200, 0, 100, 4);
    }
  EXPECT_EQ(covered, total);
  EXPECT_TRUE(IsColor(image, 23, 25, 255, 255, 255, 2));
  EXPECT_TRUE(IsColor(image, 67, 25, 255, 255, 255, 2));
  EXPECT_TRUE(IsColor(image, 45, 3, 255, 255, 255, 2));
  EXPECT_TRUE(IsColor(image, 45, 47, 255, 255, 255, 2));
}

TEST(Render, GlyphHolesStayOpenWhateverTheContourDirection) {
  // An "O": outer and inner squares drawn in the same direction.
  MovieBuilder m(60, 60);
  m.FontWithContours(1, {{{QPoint(0, -1000), QPoint(1000, -1000), QPoint(1000, 0), QPoint(0, 0)},
                          {QPoint(300, -700), QPoint(700, -700), QPoint(700, -300), QPoint(300, -300)}}});
  m.Text(2, Rect{0, 1024, -1024, 0}, 1, 1024, Color(0, 0, 0, 255), {{0, 1024}, {0, 1024}});
  m.Place(1, 2, Matrix::Translation(200, 1100));
  m.ShowFrame();
  const QImage image = Render(m.Build(), 0);
  EXPECT_TRUE(IsColor(image, 12, 30, 0, 0, 0, 4)) << Describe(image, 12, 30);
  EXPECT_TRUE(IsColor(image, 35, 30, 255, 255, 255, 4)) << Describe(image, 35, 30);  // the hole
}

TEST(Render, TextAdvancesPlaceGlyphsSideBySide) {
  MovieBuilder m(120, 40);
  m.Font(1, {{QPoint(0, -1000), QPoint(500, -1000), QPoint(500, 0), QPoint(0, 0)}});
  // Advance 1000 twips = 50 px; height 200 twips: 1 unit = 0.195 twips.
  m.Text(2, Rect{0, 4000, -400, 0}, 1, 200, Color(0, 0, 0, 255), {{0, 1000}, {0, 1000}});
  m.Place(1, 2, Matrix::Translation(200, 600));
  m.ShowFrame();
  const QImage image = Render(m.Build(), 0);
  EXPECT_TRUE(IsColor(image, 12, 25, 0, 0, 0, 10)) << Describe(image, 12, 25);
  EXPECT_TRUE(IsColor(image, 62, 25, 0, 0, 0, 10)) << Describe(image, 62, 25);
  EXPECT_TRUE(IsColor(image, 40, 25, 255, 255, 255, 2)) << Describe(image, 40, 25);
}

TEST(Render, ButtonShowsItsUpState) {
  MovieBuilder m(60, 60);
  m.Rectangle(1, Px(0, 0, 40, 40), Color(255, 0, 0, 255));
  m.Rectangle(2, Px(0, 0, 40, 40), Color(0, 255, 0, 255));
  m.Rectangle(3, Px(0, 0, 40, 40), Color(0, 0, 0, 255));
  m.Button2(4, {{1, 1, 1}, {2, 2, 2}, {4 | 8, 3, 3}}, 0x0008, StopAction());
  m.Place(1, 4, Matrix::Translation(200, 200));
  m.ShowFrame();
  const QImage image = Render(m.Build(), 0);
  EXPECT_TRUE(IsColor(image, 30, 30, 255, 0, 0)) << Describe(image, 30, 30);
  EXPECT_TRUE(IsColor(image, 5, 5, 255, 255, 255));
}

TEST(Render, SpritePlaysItsOwnFrames) {
  MovieBuilder m(40, 40);
  m.Rectangle(1, Px(0, 0, 40, 40), Color(255, 0, 0, 255));
  m.Rectangle(2, Px(0, 0, 40, 40), Color(0, 0, 255, 255));
  TagStream inner;
  inner.Place(1, 1);
  inner.ShowFrame();
  inner.Remove(1, 1);
  inner.Place(1, 2);
  inner.ShowFrame();
  m.Sprite(3, 2, inner);
  m.Place(1, 3);
  m.ShowFrame();
  m.ShowFrame();
  m.ShowFrame();
  const Bytes movie = m.Build();
  EXPECT_TRUE(IsColor(Render(movie, 0), 20, 20, 255, 0, 0));
  EXPECT_TRUE(IsColor(Render(movie, 1), 20, 20, 0, 0, 255));
  EXPECT_TRUE(IsColor(Render(movie, 2), 20, 20, 255, 0, 0));  // the sprite loops
}

TEST(Render, LineStylesAreStrokedAtLeastOnePixelWide) {
  MovieBuilder m(100, 100);
  // A hairline (1 twip) square outline without fill.
  m.Shape(1, Px(10, 10, 90, 90), std::nullopt,
          {{QPoint(200, 1000), QPoint(1800, 1000), QPoint(1800, 1800), QPoint(200, 1800)}}, 1,
          Color(0, 0, 0, 255));
  m.Place(1, 1);
  m.ShowFrame();
  const QImage image = Render(m.Build(), 0);
  EXPECT_LT(image.pixelColor(50, 50).red(), 200) << Describe(image, 50, 50);
  EXPECT_TRUE(IsColor(image, 50, 70, 255, 255, 255, 2));
}

TEST(Render, EditTextDrawsBorderAndText) {
  MovieBuilder m(200, 60);
  m.Background(200, 200, 200);
  m.EditText(1, Px(10, 10, 190, 50), "Hello", true);
  m.Place(1, 1);
  m.ShowFrame();
  const QImage image = Render(m.Build(), 0);
  EXPECT_TRUE(IsColor(image, 180, 40, 255, 255, 255, 2)) << Describe(image, 180, 40);  // field background
  EXPECT_TRUE(IsColor(image, 5, 5, 200, 200, 200, 2));
  int dark = 0;
  for (int y = 12; y < 30; ++y)
    for (int x = 12; x < 80; ++x) dark += image.pixelColor(x, y).red() < 100;
  EXPECT_GT(dark, 20) << "text pixels";
}

}  // namespace
}  // namespace playertest
