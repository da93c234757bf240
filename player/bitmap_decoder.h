#pragma once

#include <QImage>
#include <cstdint>
#include <span>
#include <vector>

namespace swfplayer {

// Bitmaps larger than this many pixels are not decoded.
inline constexpr std::int64_t kMaxBitmapPixels = 64LL * 1024 * 1024;

// JPEG data as SWF carries it: an optional stray FF D9 FF D8 before the
// image, tables and image that may be separated by FF D9 FF D8, and
// `tables` from a JPEGTables tag for DefineBits.
QImage DecodeSwfJpeg(std::span<const std::uint8_t> data, std::span<const std::uint8_t> tables = {});

// DefineBitsJPEG3 body after the id: JPEG, then zlib-compressed alpha.
QImage DecodeJpegWithAlpha(std::span<const std::uint8_t> data);

// DefineBitsLossless(2) body after the id.
QImage DecodeLossless(std::span<const std::uint8_t> data, bool with_alpha);

// Inflates zlib data, stopping at `limit` bytes; what could be inflated is
// returned when the stream is damaged or cut.
std::vector<std::uint8_t> Inflate(std::span<const std::uint8_t> data, std::size_t limit);

}  // namespace swfplayer
