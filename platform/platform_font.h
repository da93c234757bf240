#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/codepage.h"
#include "platform/face_location.h"
#include "platform/font_metrics.h"
#include "platform/glyph_outline.h"

namespace platform {

class FaceSelection;

// A font of a face name at cell height 1024 (weight 400, not italic), as the
// system realises it: the installed face fontconfig substitutes for the name
// (a name that is not installed gets a substitute, never an error), scaled so
// that its ascent + descent is 1024 pixels. Characters are those of a code
// page; one the face lacks is taken from the first substitute face that has
// it, for its widths and its outline alike.
//
// Creating a font is cheap: faces, widths and outlines are cached per process
// and are the same with or without the cache.
class PlatformFont {
 public:
  static constexpr int kCellHeight = 1024;

  // `face_name` is in the code page `page`. nullptr only when no outline
  // font is installed at all.
  static std::unique_ptr<PlatformFont> Create(std::string_view face_name, CodePage page = ActiveCodePage());

  // The face the name resolved to.
  const FaceLocation& Face() const;
  CodePage Page() const { return page_; }
  int PixelsPerEm() const;
  int Ascent() const;
  int Descent() const;
  // Ascent + descent: 1024, or one off (the pixel size is an integer and
  // ascent and descent are rounded apart).
  int CellHeight() const;

  // The ABC widths of the bytes 0..255 read as characters of the code page
  // (a byte that is no character on its own gets the widths of U+FFFD).
  // False when some glyph could not be read; its widths are then 0.
  bool AbcWidths(std::array<AbcWidth, 256>& out) const;

  // The extent of a string of the code page: the sum of its characters'
  // advances, and the cell height.
  TextExtent MeasureText(std::string_view text) const;

  // The unhinted outline of a character code (the character's bytes, the
  // first in the highest byte, see CharacterCode), in pixels at cell height
  // 1024. A character no face has gets the missing-glyph box. nullptr, and the
  // reason in `error`, when the glyph cannot be read.
  std::shared_ptr<const GlyphOutline> Outline(std::uint32_t code, std::string* error = nullptr) const;

 private:
  struct Key {};

 public:
  PlatformFont(Key, std::shared_ptr<const FaceSelection> selection, CodePage page);

 private:
  std::shared_ptr<const FaceSelection> selection_;
  CodePage page_;
};

}  // namespace platform
