#include "sample_movies.h"

#include <QPainter>
#include <cmath>

#include "support/bytes.h"

namespace playertest {

using vectrel::Color;
using vectrel::Matrix;
using vectrel::Rect;

Bytes RichMovie() {
  MovieBuilder m(240, 120, 12);
  m.Background(250, 240, 200);
  const auto g = static_cast<std::int32_t>(std::lround(2400.0 / 32768.0 * 65536));
  m.Shape(1, Rect{0, 2400, 0, 2400},
          GradientFill(false, Matrix::Make(true, g, g, false, 0, 0, 1200, 1200),
                       {{0, Color(255, 255, 0, 255)}, {128, Color(255, 80, 0, 255)}, {255, Color(120, 0, 160, 255)}}),
          {{QPoint(0, 0), QPoint(2400, 0), QPoint(2400, 2400), QPoint(0, 2400)}}, 40, Color(60, 20, 0, 255));
  QImage picture(16, 16, QImage::Format_RGB32);
  picture.fill(QColor(0, 120, 200));
  QPainter(&picture).fillRect(0, 0, 8, 8, QColor(240, 240, 240));
  m.JpegBitmap(2, JpegFile(picture));
  m.Shape(3, Rect{0, 1280, 0, 1280}, BitmapFill(2, Matrix::Make(true, 80 << 16, 80 << 16, false, 0, 0, 0, 0), false),
          {{QPoint(0, 0), QPoint(1280, 0), QPoint(1280, 1280), QPoint(0, 1280)}});
  // Glyphs: a block and a triangle.
  m.Font(4, {{QPoint(0, -900), QPoint(700, -900), QPoint(700, 0), QPoint(0, 0)},
             {QPoint(0, 0), QPoint(400, -900), QPoint(800, 0)}});
  m.FontInfo(4, "Shapes", {65, 66});
  m.Text(5, Rect{0, 6000, -1000, 0}, 4, 600, Color(20, 60, 160, 255), {{0, 700}, {1, 700}, {0, 700}, {1, 700}});
  m.EditText(6, Rect{0, 2400, 0, 500}, "swfplay", true);
  m.Rectangle(7, Rect{0, 800, 0, 800}, Color(200, 0, 0, 255));
  m.Rectangle(8, Rect{0, 800, 0, 800}, Color(0, 160, 0, 255));
  m.Button2(9, {{1, 7, 1}, {2 | 4, 8, 1}, {8, 7, 2}}, 0x0008, StopAction());
  m.Sound(10, 1, 0, true, false, 4, testsupport::Hex("C0 00 1C 3D 2A"));
  TagStream inner;
  inner.Place(1, 7, Matrix::Translation(0, 0));
  inner.ShowFrame();
  inner.Remove(7, 1);
  inner.Place(1, 8, Matrix::Translation(200, 0));
  inner.ShowFrame();
  m.Sprite(11, 2, inner);
  m.Label("intro");
  m.Place(1, 1, Matrix::Translation(100, 100));
  const auto k = static_cast<std::int32_t>(std::lround(std::cos(M_PI / 8) * 65536));
  const auto s = static_cast<std::int32_t>(std::lround(std::sin(M_PI / 8) * 65536));
  m.Place(2, 3, Matrix::Make(true, k, k, true, s, -s, 2800, 200));
  m.Place(3, 5, Matrix::Translation(200, 2300));
  m.Place(4, 6, Matrix::Translation(2400, 1900));
  m.Place(5, 9, Matrix::Translation(3200, 100));
  m.Place(6, 11, Matrix::Translation(4000, 900));
  m.StartSound(10);
  m.ShowFrame();
  m.Remove(1, 1);
  m.DoAction(GotoFrameAction(0));
  m.ShowFrame();
  return m.Build();
}

}  // namespace playertest
