#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "platform/cell_height.h"
#include "platform/face_location.h"
#include "platform/font_metrics.h"
#include "platform/glyph_outline.h"

namespace platform {

class FreeTypeLibrary;

// One installed face, opened with FreeType and realised at a cell height
// (ascent + descent of its Windows metrics, or of hhea) of 1024 pixels.
// Glyph metrics and converted outlines are cached: a face is shared by every
// font of its file and index. Calls may come from several threads.
class FontFace {
 public:
  static constexpr int kCellHeight = 1024;

  struct GlyphMetrics {
    AbcWidth abc;
    int advance = 0;  // a + b + c
  };

  // nullptr when the file cannot be opened as a scalable face. `location`'s
  // family, when empty, is taken from the face.
  static std::unique_ptr<FontFace> Open(std::shared_ptr<FreeTypeLibrary> library, FaceLocation location);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  const FaceLocation& Location() const { return location_; }
  const CellMetrics& Metrics() const { return metrics_; }
  // Scalable sfnt with glyf outlines (no CFF): what the system calls TrueType.
  bool IsTrueType() const { return true_type_; }

  // The glyph of a Unicode code point, 0 (the missing-glyph box) when the face has none.
  unsigned GlyphIndex(char32_t code_point) const;

  // Unhinted widths, rounded as the platform rounds pixels. False (and zero
  // widths) when the glyph cannot be loaded.
  bool Widths(unsigned glyph, GlyphMetrics& out) const;

  // The unhinted outline; nullptr (and `error`) when the glyph cannot be loaded.
  std::shared_ptr<const GlyphOutline> Outline(unsigned glyph, std::string* error) const;

 private:
  struct Key {};
  struct Handle;

 public:
  FontFace(Key, std::shared_ptr<FreeTypeLibrary> library, std::unique_ptr<Handle> handle);

 private:
  bool Load(unsigned glyph, std::string* error) const;

  std::shared_ptr<FreeTypeLibrary> library_;
  std::unique_ptr<Handle> handle_;
  FaceLocation location_;
  CellMetrics metrics_;
  bool true_type_ = false;
  bool symbol_cmap_ = false;
  mutable std::mutex mutex_;
  mutable std::unordered_map<unsigned, GlyphMetrics> widths_;
  mutable std::unordered_map<unsigned, std::shared_ptr<const GlyphOutline>> outlines_;
};

}  // namespace platform
