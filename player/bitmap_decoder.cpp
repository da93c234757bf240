#include "player/bitmap_decoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <algorithm>
#include <zlib.h>

#include "player/bit_reader.h"

namespace swfplayer {
namespace {

constexpr std::uint8_t kEoiSoi[] = {0xFF, 0xD9, 0xFF, 0xD8};

QImage ReadImage(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  const QSize size = reader.size();
  if (size.isValid() && static_cast<std::int64_t>(size.width()) * size.height() > kMaxBitmapPixels) return {};
  QImage image;
  if (!reader.read(&image)) return {};
  return image;
}

bool WithinLimit(int width, int height) {
  return width > 0 && height > 0 && static_cast<std::int64_t>(width) * height <= kMaxBitmapPixels;
}

}  // namespace

std::vector<std::uint8_t> Inflate(std::span<const std::uint8_t> data, std::size_t limit) {
  std::vector<std::uint8_t> out;
  if (data.empty() || limit == 0) return out;
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return out;
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(std::min<std::size_t>(data.size(), 0xFFFFFFFFu));
  std::uint8_t chunk[16384];
  while (out.size() < limit) {
    z.next_out = chunk;
    z.avail_out = static_cast<uInt>(std::min<std::size_t>(sizeof chunk, limit - out.size()));
    const int rc = inflate(&z, Z_NO_FLUSH);
    const std::size_t produced = static_cast<std::size_t>(z.next_out - chunk);
    out.insert(out.end(), chunk, chunk + produced);
    if (rc != Z_OK || produced == 0) break;
  }
  inflateEnd(&z);
  return out;
}

QImage DecodeSwfJpeg(std::span<const std::uint8_t> data, std::span<const std::uint8_t> tables) {
  QByteArray bytes;
  bytes.reserve(static_cast<qsizetype>(tables.size() + data.size()));
  bytes.append(reinterpret_cast<const char*>(tables.data()), static_cast<qsizetype>(tables.size()));
  bytes.append(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
  const QByteArray marker(reinterpret_cast<const char*>(kEoiSoi), 4);
  // Old writers put an end-of-image marker before the start of the image.
  if (bytes.startsWith(marker)) bytes.remove(0, 4);
  // Tables and image joined by EOI+SOI: one stream for the decoder.
  const qsizetype join = bytes.indexOf(marker, 2);
  if (join > 0) bytes.remove(join, 4);
  return ReadImage(bytes);
}

QImage DecodeJpegWithAlpha(std::span<const std::uint8_t> data) {
  BitReader in(data);
  const std::uint32_t alpha_offset = in.ReadU32();
  const std::size_t jpeg_size = std::min<std::size_t>(alpha_offset, in.remaining());
  QImage image = DecodeSwfJpeg(data.subspan(4, jpeg_size));
  if (image.isNull()) return image;
  const auto alpha_data = data.subspan(4 + jpeg_size);
  if (alpha_data.empty()) return image;
  const std::size_t pixels = static_cast<std::size_t>(image.width()) * image.height();
  const std::vector<std::uint8_t> alpha = Inflate(alpha_data, pixels);
  if (alpha.size() < pixels) return image;
  image = image.convertToFormat(QImage::Format_ARGB32);
  std::size_t i = 0;
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x, ++i) row[x] = qRgba(qRed(row[x]), qGreen(row[x]), qBlue(row[x]), alpha[i]);
  }
  return image;
}

QImage DecodeLossless(std::span<const std::uint8_t> data, bool with_alpha) {
  BitReader in(data);
  const int format = in.ReadU8();
  const int width = in.ReadU16();
  const int height = in.ReadU16();
  if (in.overrun() || !WithinLimit(width, height)) return {};
  int table_size = 0;
  if (format == 3) table_size = in.ReadU8() + 1;
  const auto compressed = data.subspan(in.position());
  const int entry = with_alpha ? 4 : 3;
  std::size_t row_bytes = 0;
  switch (format) {
    case 3: row_bytes = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3}; break;
    case 4: row_bytes = (static_cast<std::size_t>(width) * 2 + 3) & ~std::size_t{3}; break;
    case 5: row_bytes = static_cast<std::size_t>(width) * 4; break;
    default: return {};
  }
  const std::size_t table_bytes = static_cast<std::size_t>(table_size) * entry;
  const std::size_t needed = table_bytes + row_bytes * height;
  const std::vector<std::uint8_t> pixels = Inflate(compressed, needed);
  if (pixels.size() < needed) return {};
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return {};
  for (int y = 0; y < height; ++y) {
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    const std::uint8_t* row = pixels.data() + table_bytes + row_bytes * y;
    for (int x = 0; x < width; ++x) {
      QRgb color = 0;
      if (format == 3) {
        const std::uint8_t* c = pixels.data() + static_cast<std::size_t>(row[x]) * entry;
        if (row[x] >= table_size) {
          color = 0;
        } else {
          color = qRgba(c[0], c[1], c[2], with_alpha ? c[3] : 255);
        }
      } else if (format == 4) {
        const int v = (row[x * 2] << 8) | row[x * 2 + 1];
        color = qRgb(((v >> 10) & 31) * 255 / 31, ((v >> 5) & 31) * 255 / 31, (v & 31) * 255 / 31);
      } else {
        const std::uint8_t* p = row + x * 4;
        color = qRgba(p[1], p[2], p[3], with_alpha ? p[0] : 255);
      }
      // Lossless2 colours are premultiplied already; clamp broken data.
      const int a = qAlpha(color);
      out[x] = qRgba(std::min(qRed(color), a), std::min(qGreen(color), a), std::min(qBlue(color), a), a);
    }
  }
  return image;
}

}  // namespace swfplayer
