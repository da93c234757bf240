#pragma once

#include <QColor>
#include <QRectF>
#include <QTransform>
#include <cstdint>

namespace swfplayer {

struct Rgba {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t a = 255;

  QColor ToQColor() const { return QColor(r, g, b, a); }
  friend bool operator==(const Rgba&, const Rgba&) = default;
};

// Twips.
struct SwfRect {
  std::int32_t x_min = 0;
  std::int32_t x_max = 0;
  std::int32_t y_min = 0;
  std::int32_t y_max = 0;

  QRectF ToQRectF() const { return QRectF(x_min, y_min, double(x_max) - x_min, double(y_max) - y_min); }
};

// Multiply terms in 8.8 (256 = unchanged) and add terms, per channel r, g, b, a.
struct ColorTransform {
  double mult[4] = {256, 256, 256, 256};
  double add[4] = {0, 0, 0, 0};

  bool IsIdentity() const {
    for (int i = 0; i < 4; ++i)
      if (mult[i] != 256 || add[i] != 0) return false;
    return true;
  }
  Rgba Apply(const Rgba& c) const;
  // this ∘ inner: first `inner`, then this.
  ColorTransform Compose(const ColorTransform& inner) const;
};

}  // namespace swfplayer
