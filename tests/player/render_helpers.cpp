#include "render_helpers.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "gui_app.h"
#include "player/headless.h"
#include "player/movie_reader.h"

namespace playertest {

QImage Render(const Bytes& movie, int frame, double scale) {
  EnsureGuiApplication();
  std::string error;
  auto parsed = swfplayer::ReadMovie(movie, &error);
  EXPECT_TRUE(parsed) << error;
  if (!parsed) return {};
  QImage image = swfplayer::RenderMovieFrame(*parsed, frame, scale, &error);
  EXPECT_FALSE(image.isNull()) << error;
  return image.convertToFormat(QImage::Format_ARGB32);
}

bool IsColor(const QImage& image, int x, int y, int r, int g, int b, int tolerance) {
  if (!image.valid(x, y)) return false;
  const QColor c = image.pixelColor(x, y);
  return std::abs(c.red() - r) <= tolerance && std::abs(c.green() - g) <= tolerance &&
         std::abs(c.blue() - b) <= tolerance;
}

std::string Describe(const QImage& image, int x, int y) {
  if (!image.valid(x, y)) return "outside";
  const QColor c = image.pixelColor(x, y);
  return "(" + std::to_string(c.red()) + "," + std::to_string(c.green()) + "," + std::to_string(c.blue()) + "," +
         std::to_string(c.alpha()) + ")";
}

}  // namespace playertest
