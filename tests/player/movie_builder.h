#pragma once

// A small test-only SWF writer: tag bodies built by hand on the encoding
// layer's OutputBuffer, so the player's tests do not depend on which
// records the encoding layer offers.

#include <QImage>
#include <QPoint>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "vectrel/encoding/color.h"
#include "vectrel/encoding/matrix.h"
#include "vectrel/encoding/output_buffer.h"
#include "vectrel/encoding/rect.h"

namespace playertest {

using Bytes = std::vector<std::uint8_t>;

// Bytes of one fill style (DefineShape3 form).
Bytes SolidFill(const vectrel::Color& color);
Bytes GradientFill(bool linear, const vectrel::Matrix& matrix,
                   const std::vector<std::pair<int, vectrel::Color>>& stops);
Bytes BitmapFill(std::uint16_t bitmap_id, const vectrel::Matrix& matrix, bool repeat);

// Shape records (fill and line bits, then the polygons, then the end
// record), each polygon filled with style `fill1` on its right.
Bytes ShapeRecords(int fill_bits, int line_bits, int fill1, int line, const std::vector<std::vector<QPoint>>& polygons);

// Action bytes.
Bytes StopAction();
Bytes PlayAction();
Bytes GotoFrameAction(int frame);
Bytes GetUrlAction(const std::string& url, const std::string& target);

// A stream of tags: the body of a movie or of a sprite.
class TagStream {
 public:
  void Tag(int code, const Bytes& body);
  void ShowFrame();
  void Background(int r, int g, int b);
  // DefineShape3: one fill style (optional), one line style (optional),
  // closed polygons in twips, each filled with style 1 on its right.
  void Shape(std::uint16_t id, const vectrel::Rect& bounds, const std::optional<Bytes>& fill,
             const std::vector<std::vector<QPoint>>& polygons, int line_width = 0,
             vectrel::Color line_color = vectrel::Color(0, 0, 0, 255));
  // A filled rectangle in twips.
  void Rectangle(std::uint16_t id, const vectrel::Rect& r, const vectrel::Color& color);
  void Place(std::uint16_t depth, std::uint16_t id, std::optional<vectrel::Matrix> matrix = std::nullopt);
  void Remove(std::uint16_t id, std::uint16_t depth);
  void DoAction(const Bytes& actions);
  void JpegBitmap(std::uint16_t id, const Bytes& jpeg_file);
  // DefineFont with glyphs given as polygons in em units (1024).
  void Font(std::uint16_t id, const std::vector<std::vector<QPoint>>& glyphs);
  // The same with several contours per glyph (holes by even-odd).
  void FontWithContours(std::uint16_t id, const std::vector<std::vector<std::vector<QPoint>>>& glyphs);
  void FontInfo(std::uint16_t font_id, const std::string& name, const std::vector<int>& codes);
  // DefineText2: one style record and one glyph record of (index, advance).
  void Text(std::uint16_t id, const vectrel::Rect& bounds, std::uint16_t font_id, int height,
            const vectrel::Color& color, const std::vector<std::pair<int, int>>& glyphs);
  void EditText(std::uint16_t id, const vectrel::Rect& bounds, const std::string& text, bool border);
  struct ButtonEntry {
    int states;  // 1 up, 2 over, 4 down, 8 hit test
    std::uint16_t character;
    std::uint16_t depth;
  };
  void Button2(std::uint16_t id, const std::vector<ButtonEntry>& records, std::uint16_t conditions,
               const Bytes& actions);
  void Sound(std::uint16_t id, int format, int rate, bool sixteen, bool stereo, std::uint32_t samples,
             const Bytes& data);
  void StartSound(std::uint16_t id);
  void Sprite(std::uint16_t id, int frame_count, const TagStream& content);
  void Label(const std::string& label);

  int frames() const { return frames_; }
  Bytes Flatten() const { return buffer_.Flatten(); }

 private:
  vectrel::OutputBuffer buffer_;
  int frames_ = 0;
};

class MovieBuilder : public TagStream {
 public:
  MovieBuilder(int width_px, int height_px, int rate = 12) : width_(width_px), height_(height_px), rate_(rate) {}
  // Frame count = ShowFrame tags unless given.
  Bytes Build(std::optional<int> frame_count = std::nullopt, int version = 5) const;
  Bytes BuildCompressed() const;
  std::filesystem::path Save(const std::filesystem::path& path) const;

 private:
  int width_;
  int height_;
  int rate_;
};

// A JPEG file made with Qt's writer.
Bytes JpegFile(const QImage& image, int quality = 95);

}  // namespace playertest
