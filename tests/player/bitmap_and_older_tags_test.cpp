// Bitmap encodings and the display tags of older writers.
#include <gtest/gtest.h>

#include <QBuffer>
#include <zlib.h>

#include "gui_app.h"
#include "movie_builder.h"
#include "player/bitmap_decoder.h"
#include "render_helpers.h"
#include "support/bytes.h"
#include "vectrel/encoding/output_buffer.h"
#include "vectrel/encoding/rect.h"

namespace playertest {
namespace {

Bytes Deflate(const Bytes& plain) {
  uLongf size = compressBound(static_cast<uLong>(plain.size()));
  Bytes out(size);
  compress(out.data(), &size, plain.data(), static_cast<uLong>(plain.size()));
  out.resize(size);
  return out;
}

Bytes Concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(Bitmaps, Lossless32BitAndColourMapped) {
  // 2 x 1 pixels: X R G B each.
  const Bytes argb = Concat(testsupport::Hex("05 02 00 01 00"), Deflate(testsupport::Hex("FF FF 00 00 80 00 40 00")));
  const QImage a = swfplayer::DecodeLossless(argb, true);
  ASSERT_EQ(a.size(), QSize(2, 1));
  EXPECT_EQ(a.pixel(0, 0), qRgba(255, 0, 0, 255));
  EXPECT_EQ(qAlpha(a.pixel(1, 0)), 0x80);  // premultiplied: the colour is kept within alpha
  // Colour-mapped: 2 entries (RGB), rows padded to 4 bytes.
  const Bytes mapped =
      Concat(testsupport::Hex("03 03 00 01 00 01"), Deflate(testsupport::Hex("00 00 FF 00 FF 00 01 00 01 00")));
  const QImage m = swfplayer::DecodeLossless(mapped, false);
  ASSERT_EQ(m.size(), QSize(3, 1));
  EXPECT_EQ(m.pixel(0, 0), qRgb(0, 255, 0));
  EXPECT_EQ(m.pixel(1, 0), qRgb(0, 0, 255));
}

TEST(Bitmaps, LosslessWithTooLittleDataIsRejected) {
  const Bytes cut = Concat(testsupport::Hex("05 10 00 10 00"), Deflate(Bytes(100, 0xFF)));
  EXPECT_TRUE(swfplayer::DecodeLossless(cut, true).isNull());
  // 65535 x 65535 claimed: refused before anything is allocated.
  EXPECT_TRUE(swfplayer::DecodeLossless(testsupport::Hex("05 FF FF FF FF 78 9C"), true).isNull());
}

TEST(Bitmaps, JpegSplitIntoTablesAndImage) {
  EnsureGuiApplication();
  QImage picture(8, 8, QImage::Format_RGB32);
  picture.fill(Qt::white);
  const Bytes jpeg = JpegFile(picture);
  // Cut before the frame header (FF C0): tables end with EOI, the image starts with SOI.
  std::size_t sof = 2;
  while (sof + 1 < jpeg.size() && !(jpeg[sof] == 0xFF && jpeg[sof + 1] == 0xC0)) ++sof;
  ASSERT_LT(sof + 1, jpeg.size());
  Bytes tables(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(sof));
  tables.push_back(0xFF);
  tables.push_back(0xD9);
  Bytes image{0xFF, 0xD8};
  image.insert(image.end(), jpeg.begin() + static_cast<std::ptrdiff_t>(sof), jpeg.end());
  const QImage decoded = swfplayer::DecodeSwfJpeg(image, tables);
  ASSERT_EQ(decoded.size(), QSize(8, 8));
  EXPECT_GT(qRed(decoded.pixel(4, 4)), 240);
}

TEST(Bitmaps, JpegWithAlphaPlane) {
  EnsureGuiApplication();
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::red);
  const Bytes jpeg = JpegFile(picture);
  const auto n = static_cast<std::uint32_t>(jpeg.size());
  Bytes data{static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8), 0, 0};
  data = Concat(Concat(data, jpeg), Deflate(Bytes(16, 0x40)));
  const QImage decoded = swfplayer::DecodeJpegWithAlpha(data);
  ASSERT_EQ(decoded.size(), QSize(4, 4));
  EXPECT_EQ(qAlpha(decoded.pixel(1, 1)), 0x40);
}

TEST(OlderTags, DefineShapePlaceObjectAndRemoveObject2) {
  using vectrel::OutputBuffer;
  MovieBuilder m(60, 40);
  // DefineShape (RGB colours): a red square 10..30 px.
  OutputBuffer shape;
  shape.WriteU16(1);
  vectrel::WriteRect(shape, vectrel::Rect{200, 600, 200, 600});
  for (std::uint8_t b : testsupport::Hex("01 00 FF 00 00 00")) shape.WriteU8(b);
  for (std::uint8_t b : ShapeRecords(1, 0, 1, 0, {{QPoint(200, 200), QPoint(600, 200), QPoint(600, 600), QPoint(200, 600)}}))
    shape.WriteU8(b);
  m.Tag(2, shape.Flatten());
  m.Tag(4, testsupport::Hex("01 00 03 00 00"));  // PlaceObject: id 1, depth 3, identity
  m.ShowFrame();
  m.Tag(28, testsupport::Hex("03 00"));  // RemoveObject2 at depth 3
  m.ShowFrame();
  const Bytes movie = m.Build();
  EXPECT_TRUE(IsColor(Render(movie, 0), 20, 20, 255, 0, 0)) << Describe(Render(movie, 0), 20, 20);
  EXPECT_TRUE(IsColor(Render(movie, 1), 20, 20, 255, 255, 255));
}

TEST(OlderTags, PlaceObject2MoveChangesTheMatrixOnly) {
  MovieBuilder m(60, 40);
  m.Rectangle(1, vectrel::Rect{0, 200, 0, 200}, vectrel::Color(0, 0, 255, 255));
  m.Place(1, 1);
  m.ShowFrame();
  // Move flag with a matrix: translate by (40, 0) px.
  m.Tag(26, testsupport::Hex("05 01 00 16 C8 00 00"));
  m.ShowFrame();
  const Bytes movie = m.Build();
  EXPECT_TRUE(IsColor(Render(movie, 0), 5, 5, 0, 0, 255));
  EXPECT_TRUE(IsColor(Render(movie, 1), 5, 5, 255, 255, 255)) << Describe(Render(movie, 1), 5, 5);
  EXPECT_TRUE(IsColor(Render(movie, 1), 45, 5, 0, 0, 255)) << Describe(Render(movie, 1), 45, 5);
}

TEST(OlderTags, ColourTransformsAddAndMultiply) {
  // PlaceObject2 with a colour transform: add terms (255, 0, 0, 0) turn a
  // black square red; a multiply term of 0.5 on red halves a white one.
  MovieBuilder m(60, 20);
  m.Rectangle(1, vectrel::Rect{0, 400, 0, 400}, vectrel::Color(0, 0, 0, 255));
  m.Rectangle(2, vectrel::Rect{600, 1000, 0, 400}, vectrel::Color(255, 255, 255, 255));
  m.Tag(26, testsupport::Hex("0A 01 00 01 00 A5 FE 00 00 00 00"));
  m.Tag(26, testsupport::Hex("0A 02 00 02 00 68 80 40 10 04 00"));
  m.ShowFrame();
  const QImage image = Render(m.Build(), 0);
  EXPECT_TRUE(IsColor(image, 10, 10, 255, 0, 0, 2)) << Describe(image, 10, 10);
  EXPECT_TRUE(IsColor(image, 40, 10, 128, 255, 255, 2)) << Describe(image, 40, 10);
}

}  // namespace
}  // namespace playertest
