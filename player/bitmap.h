#pragma once

#include <QImage>
#include <cstdint>
#include <optional>
#include <vector>

#include "player/character.h"

namespace swfplayer {

// A bitmap definition, kept encoded and decoded on first use.
class BitmapCharacter final : public Character {
 public:
  enum class Encoding { kJpeg, kJpegWithAlpha, kLossless, kLosslessAlpha };

  BitmapCharacter(std::uint16_t id, Encoding encoding, std::vector<std::uint8_t> data)
      : Character(id), encoding_(encoding), data_(std::move(data)) {}
  CharacterKind kind() const override { return CharacterKind::kBitmap; }

  Encoding encoding() const { return encoding_; }
  const std::vector<std::uint8_t>& data() const { return data_; }

  // Premultiplied ARGB; a null image when the data cannot be decoded.
  const QImage& Image() const;

 private:
  Encoding encoding_;
  std::vector<std::uint8_t> data_;
  mutable std::optional<QImage> image_;
};

}  // namespace swfplayer
