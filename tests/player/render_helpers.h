#pragma once

#include <QColor>
#include <QImage>
#include <string>

#include "movie_builder.h"

namespace playertest {

// Reads and renders `frame`; fails the current test when either fails.
QImage Render(const Bytes& movie, int frame, double scale = 1.0);

// Whether the pixel is within `tolerance` of (r, g, b) on every channel.
bool IsColor(const QImage& image, int x, int y, int r, int g, int b, int tolerance = 8);
std::string Describe(const QImage& image, int x, int y);

}  // namespace playertest
