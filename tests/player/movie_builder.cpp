#include "movie_builder.h"

#include <QBuffer>
#include <fstream>
#include <zlib.h>

#include "vectrel/encoding/tag_record.h"

namespace playertest {
namespace {

using vectrel::OutputBuffer;

void Put(OutputBuffer& b, const Bytes& bytes) {
  for (std::uint8_t v : bytes) b.WriteU8(v);
}

Bytes Body(OutputBuffer& b) {
  b.Align();
  return b.Flatten();
}

void WriteStyleChange(OutputBuffer& b, int fill_bits, int line_bits, QPoint move, int fill1, int line) {
  b.WriteBits(0, 1);  // type
  b.WriteBits(0, 1);  // new styles
  b.WriteBits(line != 0, 1);
  b.WriteBits(1, 1);  // fill style 1
  b.WriteBits(0, 1);  // fill style 0
  b.WriteBits(1, 1);  // move to
  const int bits = vectrel::SignedBits({move.x(), move.y()});
  b.WriteBits(static_cast<std::uint32_t>(bits), 5);
  b.WriteBits(static_cast<std::uint32_t>(move.x()), bits);
  b.WriteBits(static_cast<std::uint32_t>(move.y()), bits);
  b.WriteBits(static_cast<std::uint32_t>(fill1), fill_bits);
  if (line != 0) b.WriteBits(static_cast<std::uint32_t>(line), line_bits);
}

void WriteLine(OutputBuffer& b, QPoint d) {
  const int bits = std::max(2, vectrel::SignedBits({d.x(), d.y()}));
  b.WriteBits(1, 1);
  b.WriteBits(1, 1);
  b.WriteBits(static_cast<std::uint32_t>(bits - 2), 4);
  b.WriteBits(1, 1);  // general line
  b.WriteBits(static_cast<std::uint32_t>(d.x()), bits);
  b.WriteBits(static_cast<std::uint32_t>(d.y()), bits);
}

void WritePolygons(OutputBuffer& b, int fill_bits, int line_bits, int fill1, int line,
                   const std::vector<std::vector<QPoint>>& polygons) {
  b.WriteBits(static_cast<std::uint32_t>(fill_bits), 4);
  b.WriteBits(static_cast<std::uint32_t>(line_bits), 4);
  for (const auto& poly : polygons) {
    if (poly.empty()) continue;
    WriteStyleChange(b, fill_bits, line_bits, poly.front(), fill1, line);
    for (std::size_t i = 1; i <= poly.size(); ++i) WriteLine(b, poly[i % poly.size()] - poly[i - 1]);
  }
  b.WriteBits(0, 6);  // end
  b.Align();
}

}  // namespace

Bytes ShapeRecords(int fill_bits, int line_bits, int fill1, int line, const std::vector<std::vector<QPoint>>& polygons) {
  OutputBuffer b;
  WritePolygons(b, fill_bits, line_bits, fill1, line, polygons);
  return Body(b);
}

Bytes SolidFill(const vectrel::Color& color) {
  OutputBuffer b;
  b.WriteU8(0x00);
  vectrel::WriteColor(b, vectrel::Color(color.red, color.green, color.blue, color.alpha));
  return Body(b);
}

Bytes GradientFill(bool linear, const vectrel::Matrix& matrix, const std::vector<std::pair<int, vectrel::Color>>& stops) {
  OutputBuffer b;
  b.WriteU8(linear ? 0x10 : 0x12);
  vectrel::WriteMatrix(b, matrix);
  b.WriteU8(static_cast<std::uint32_t>(stops.size()));
  for (const auto& [ratio, c] : stops) {
    b.WriteU8(static_cast<std::uint32_t>(ratio));
    vectrel::WriteColor(b, vectrel::Color(c.red, c.green, c.blue, c.alpha));
  }
  return Body(b);
}

Bytes BitmapFill(std::uint16_t bitmap_id, const vectrel::Matrix& matrix, bool repeat) {
  OutputBuffer b;
  b.WriteU8(repeat ? 0x40 : 0x41);
  b.WriteU16(bitmap_id);
  vectrel::WriteMatrix(b, matrix);
  return Body(b);
}

Bytes StopAction() { return {0x07}; }
Bytes PlayAction() { return {0x06}; }
Bytes GotoFrameAction(int frame) {
  return {0x81, 0x02, 0x00, static_cast<std::uint8_t>(frame & 0xFF), static_cast<std::uint8_t>(frame >> 8)};
}
Bytes GetUrlAction(const std::string& url, const std::string& target) {
  const std::size_t length = url.size() + target.size() + 2;
  Bytes out{0x83, static_cast<std::uint8_t>(length & 0xFF), static_cast<std::uint8_t>(length >> 8)};
  out.insert(out.end(), url.begin(), url.end());
  out.push_back(0);
  out.insert(out.end(), target.begin(), target.end());
  out.push_back(0);
  return out;
}

void TagStream::Tag(int code, const Bytes& body) {
  OutputBuffer b;
  Put(b, body);
  vectrel::WriteTagHeader(buffer_, code, b.Length(), &b);
}

void TagStream::ShowFrame() {
  Tag(1, {});
  ++frames_;
}

void TagStream::Background(int r, int g, int b) {
  Tag(9, {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)});
}

void TagStream::Shape(std::uint16_t id, const vectrel::Rect& bounds, const std::optional<Bytes>& fill,
                      const std::vector<std::vector<QPoint>>& polygons, int line_width, vectrel::Color line_color) {
  OutputBuffer b;
  b.WriteU16(id);
  vectrel::WriteRect(b, bounds);
  b.WriteU8(fill ? 1 : 0);
  if (fill) Put(b, *fill);
  b.WriteU8(line_width > 0 ? 1 : 0);
  if (line_width > 0) {
    b.WriteU16(static_cast<std::uint32_t>(line_width));
    vectrel::WriteColor(b, vectrel::Color(line_color.red, line_color.green, line_color.blue, line_color.alpha));
  }
  WritePolygons(b, fill ? 1 : 0, line_width > 0 ? 1 : 0, fill ? 1 : 0, line_width > 0 ? 1 : 0, polygons);
  Tag(32, Body(b));
}

void TagStream::Rectangle(std::uint16_t id, const vectrel::Rect& r, const vectrel::Color& color) {
  Shape(id, r, SolidFill(color),
        {{QPoint(r.x_min, r.y_min), QPoint(r.x_max, r.y_min), QPoint(r.x_max, r.y_max), QPoint(r.x_min, r.y_max)}});
}

void TagStream::Place(std::uint16_t depth, std::uint16_t id, std::optional<vectrel::Matrix> matrix) {
  OutputBuffer b;
  b.WriteU8(matrix ? 0x06 : 0x02);
  b.WriteU16(depth);
  b.WriteU16(id);
  if (matrix) vectrel::WriteMatrix(b, *matrix);
  Tag(26, Body(b));
}

void TagStream::Remove(std::uint16_t id, std::uint16_t depth) {
  Tag(5, {static_cast<std::uint8_t>(id & 0xFF), static_cast<std::uint8_t>(id >> 8), static_cast<std::uint8_t>(depth & 0xFF),
          static_cast<std::uint8_t>(depth >> 8)});
}

void TagStream::DoAction(const Bytes& actions) {
  Bytes body = actions;
  body.push_back(0);
  Tag(12, body);
}

void TagStream::JpegBitmap(std::uint16_t id, const Bytes& jpeg_file) {
  // As the encoding layer writes it: FF D9 FF D8, the file, FF D9.
  Bytes body{static_cast<std::uint8_t>(id & 0xFF), static_cast<std::uint8_t>(id >> 8), 0xFF, 0xD9, 0xFF, 0xD8};
  body.insert(body.end(), jpeg_file.begin(), jpeg_file.end());
  body.push_back(0xFF);
  body.push_back(0xD9);
  Tag(21, body);
}

void TagStream::Font(std::uint16_t id, const std::vector<std::vector<QPoint>>& glyphs) {
  std::vector<std::vector<std::vector<QPoint>>> contours;
  for (const auto& g : glyphs) contours.push_back({g});
  FontWithContours(id, contours);
}

void TagStream::FontWithContours(std::uint16_t id, const std::vector<std::vector<std::vector<QPoint>>>& glyphs) {
  std::vector<Bytes> shapes;
  for (const auto& g : glyphs) {
    OutputBuffer s;
    WritePolygons(s, 1, 0, 1, 0, g);
    shapes.push_back(Body(s));
  }
  OutputBuffer b;
  b.WriteU16(id);
  std::uint32_t offset = static_cast<std::uint32_t>(2 * shapes.size());
  for (const Bytes& s : shapes) {
    b.WriteU16(offset);
    offset += static_cast<std::uint32_t>(s.size());
  }
  for (const Bytes& s : shapes) Put(b, s);
  Tag(10, Body(b));
}

void TagStream::FontInfo(std::uint16_t font_id, const std::string& name, const std::vector<int>& codes) {
  OutputBuffer b;
  b.WriteU16(font_id);
  b.WriteU8(static_cast<std::uint32_t>(name.size()));
  vectrel::WriteString(b, name, false);
  b.WriteU8(0x10);
  for (int c : codes) b.WriteU8(static_cast<std::uint32_t>(c));
  Tag(13, Body(b));
}

void TagStream::Text(std::uint16_t id, const vectrel::Rect& bounds, std::uint16_t font_id, int height,
                     const vectrel::Color& color, const std::vector<std::pair<int, int>>& glyphs) {
  int glyph_bits = 0, advance_bits = 0;
  for (const auto& [index, advance] : glyphs) {
    glyph_bits = std::max(glyph_bits, vectrel::UnsignedBits(static_cast<std::uint32_t>(index), 1));
    advance_bits = std::max(advance_bits, vectrel::UnsignedBits(static_cast<std::uint32_t>(advance), 1));
  }
  OutputBuffer b;
  b.WriteU16(id);
  vectrel::WriteRect(b, bounds);
  b.WriteU8(0);  // identity matrix
  b.WriteU8(static_cast<std::uint32_t>(glyph_bits));
  b.WriteU8(static_cast<std::uint32_t>(advance_bits));
  b.WriteU8(0x8C);  // style: has font, has colour
  b.WriteU16(font_id);
  vectrel::WriteColor(b, vectrel::Color(color.red, color.green, color.blue, color.alpha));
  b.WriteU16(static_cast<std::uint32_t>(height));
  b.WriteBits(0, 1);
  b.WriteBits(static_cast<std::uint32_t>(glyphs.size()), 7);
  for (const auto& [index, advance] : glyphs) {
    b.WriteBits(static_cast<std::uint32_t>(index), glyph_bits);
    b.WriteBits(static_cast<std::uint32_t>(advance), advance_bits);
  }
  b.Align();
  b.WriteU8(0);
  Tag(33, Body(b));
}

void TagStream::EditText(std::uint16_t id, const vectrel::Rect& bounds, const std::string& text, bool border) {
  OutputBuffer b;
  b.WriteU16(id);
  vectrel::WriteRect(b, bounds);
  b.WriteU8(0x80 | 0x08 | 0x04);  // has text, read only, has text colour
  b.WriteU8(border ? 0x08 : 0x00);
  vectrel::WriteColor(b, vectrel::Color(0, 0, 0, 255));
  vectrel::WriteString(b, "v", true);
  vectrel::WriteString(b, text, true);
  Tag(37, Body(b));
}

void TagStream::Button2(std::uint16_t id, const std::vector<ButtonEntry>& records, std::uint16_t conditions,
                        const Bytes& actions) {
  OutputBuffer recs;
  for (const auto& r : records) {
    recs.WriteU8(static_cast<std::uint32_t>(r.states));
    recs.WriteU16(r.character);
    recs.WriteU16(r.depth);
    recs.WriteU8(0);     // identity matrix
    recs.WriteU8(0x04);  // empty colour transform
  }
  recs.WriteU8(0);
  OutputBuffer b;
  b.WriteU16(id);
  b.WriteU8(0);
  b.WriteU16(recs.Length() + 2);
  b.Append(recs);
  b.WriteU16(0);
  b.WriteU16(conditions);
  Put(b, actions);
  b.WriteU8(0);
  Tag(34, Body(b));
}

void TagStream::Sound(std::uint16_t id, int format, int rate, bool sixteen, bool stereo, std::uint32_t samples,
                      const Bytes& data) {
  OutputBuffer b;
  b.WriteU16(id);
  b.WriteBits(static_cast<std::uint32_t>(format), 4);
  b.WriteBits(static_cast<std::uint32_t>(rate), 2);
  b.WriteBits(sixteen, 1);
  b.WriteBits(stereo, 1);
  b.WriteU32(samples);
  Put(b, data);
  Tag(14, Body(b));
}

void TagStream::StartSound(std::uint16_t id) {
  Tag(15, {static_cast<std::uint8_t>(id & 0xFF), static_cast<std::uint8_t>(id >> 8), 0x10});
}

void TagStream::Sprite(std::uint16_t id, int frame_count, const TagStream& content) {
  Bytes body{static_cast<std::uint8_t>(id & 0xFF), static_cast<std::uint8_t>(id >> 8),
             static_cast<std::uint8_t>(frame_count & 0xFF), static_cast<std::uint8_t>(frame_count >> 8)};
  const Bytes inner = content.Flatten();
  body.insert(body.end(), inner.begin(), inner.end());
  body.push_back(0);  // End
  body.push_back(0);
  Tag(39, body);
}

void TagStream::Label(const std::string& label) {
  Bytes body(label.begin(), label.end());
  body.push_back(0);
  Tag(43, body);
}

Bytes MovieBuilder::Build(std::optional<int> frame_count, int version) const {
  OutputBuffer h;
  const Bytes tags = Flatten();
  OutputBuffer rest;
  vectrel::WriteRect(rest, vectrel::Rect{0, width_ * 20, 0, height_ * 20});
  rest.WriteU8(0);
  rest.WriteU8(static_cast<std::uint32_t>(rate_));
  rest.WriteU16(static_cast<std::uint32_t>(frame_count.value_or(frames())));
  Put(rest, tags);
  rest.WriteU16(0);  // End
  const Bytes body = rest.Flatten();
  h.WriteU8('F');
  h.WriteU8('W');
  h.WriteU8('S');
  h.WriteU8(static_cast<std::uint32_t>(version));
  h.WriteU32(static_cast<std::uint32_t>(body.size() + 8));
  Put(h, body);
  return h.Flatten();
}

Bytes MovieBuilder::BuildCompressed() const {
  Bytes plain = Build();
  uLongf size = compressBound(static_cast<uLong>(plain.size() - 8));
  Bytes out(plain.begin(), plain.begin() + 8);
  out[0] = 'C';
  out.resize(8 + size);
  compress(out.data() + 8, &size, plain.data() + 8, static_cast<uLong>(plain.size() - 8));
  out.resize(8 + size);
  return out;
}

std::filesystem::path MovieBuilder::Save(const std::filesystem::path& path) const {
  const Bytes bytes = Build();
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

Bytes JpegFile(const QImage& image, int quality) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPEG", quality);
  return Bytes(data.begin(), data.end());
}

}  // namespace playertest
