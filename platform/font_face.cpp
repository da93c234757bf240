#include "platform/font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H
#include FT_TRUETYPE_TAGS_H

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/freetype_library.h"
#include "platform/outline_conversion.h"

namespace platform {

struct FontFace::Handle {
  FT_Face face = nullptr;
};

namespace {

// Glyph caches are dropped whole when they reach this size, which bounds the
// memory a text of many different characters can take.
constexpr std::size_t kCacheLimit = 16384;

constexpr FT_Int32 kLoadFlags = FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP;

bool HasTable(FT_Face face, FT_ULong tag) {
  FT_ULong length = 0;
  return FT_Load_Sfnt_Table(face, tag, 0, nullptr, &length) == 0 && length > 0;
}

std::string ErrorText(FT_Error error) {
  const char* text = FT_Error_String(error);
  char buffer[96];
  if (text != nullptr) {
    std::snprintf(buffer, sizeof buffer, "The glyph cannot be read: %s.", text);
  } else {
    std::snprintf(buffer, sizeof buffer, "The glyph cannot be read (FreeType error %d).", error);
  }
  return buffer;
}

// Ascent and descent in font units: the Windows metrics of the OS/2 table
// when they are set, else those of hhea.
void FontAscentDescent(FT_Face face, int& ascent, int& descent) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version != 0xFFFF) {
    ascent = os2->usWinAscent;
    descent = std::abs(static_cast<int>(static_cast<FT_Short>(os2->usWinDescent)));
    if (ascent + descent > 0) return;
  }
  const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
  if (hhea != nullptr) {
    ascent = hhea->Ascender;
    descent = -hhea->Descender;
  } else {
    ascent = face->ascender;
    descent = -face->descender;
  }
}

// Floor and ceiling of a 26.6 value, in pixels.
int FloorPixels(FT_Pos v) { return static_cast<int>(v >> 6); }
int CeilPixels(FT_Pos v) { return static_cast<int>((v + 63) >> 6); }

}  // namespace

FontFace::FontFace(Key, std::shared_ptr<FreeTypeLibrary> library, std::unique_ptr<Handle> handle)
    : library_(std::move(library)), handle_(std::move(handle)) {}

FontFace::~FontFace() {
  if (handle_ && handle_->face != nullptr) {
    std::lock_guard lock(library_->Mutex());
    FT_Done_Face(handle_->face);
  }
}

std::unique_ptr<FontFace> FontFace::Open(std::shared_ptr<FreeTypeLibrary> library, FaceLocation location) {
  if (!library || location.index < 0) return nullptr;
  auto handle = std::make_unique<Handle>();
  {
    std::lock_guard lock(library->Mutex());
    if (FT_New_Face(library->Get(), location.file.c_str(), location.index, &handle->face) != 0) return nullptr;
  }
  FT_Face face = handle->face;
  auto result = std::make_unique<FontFace>(Key{}, library, std::move(handle));
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) return nullptr;
  if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) {
    result->symbol_cmap_ = FT_Select_Charmap(face, FT_ENCODING_MS_SYMBOL) == 0;
  }
  int ascent = 0;
  int descent = 0;
  FontAscentDescent(face, ascent, descent);
  result->metrics_ = ScaleToCellHeight(face->units_per_EM, ascent, descent, kCellHeight);
  if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(result->metrics_.pixels_per_em)) != 0) return nullptr;
  result->true_type_ = FT_IS_SFNT(face) && HasTable(face, TTAG_glyf) && !HasTable(face, TTAG_CFF) &&
                       !HasTable(face, TTAG_CFF2);
  if (location.family.empty() && face->family_name != nullptr) location.family = face->family_name;
  result->location_ = std::move(location);
  return result;
}

unsigned FontFace::GlyphIndex(char32_t code_point) const {
  std::lock_guard lock(mutex_);
  FT_Face face = handle_->face;
  if (symbol_cmap_) {
    // Symbol fonts keep their characters at U+F000 + code.
    if (code_point < 0x100) {
      const FT_UInt glyph = FT_Get_Char_Index(face, 0xF000 + code_point);
      if (glyph != 0) return glyph;
    }
  }
  return FT_Get_Char_Index(face, code_point);
}

bool FontFace::Load(unsigned glyph, std::string* error) const {
  const FT_Error status = FT_Load_Glyph(handle_->face, glyph, kLoadFlags);
  if (status != 0) {
    if (error != nullptr) *error = ErrorText(status);
    return false;
  }
  return true;
}

bool FontFace::Widths(unsigned glyph, GlyphMetrics& out) const {
  std::lock_guard lock(mutex_);
  if (const auto found = widths_.find(glyph); found != widths_.end()) {
    out = found->second;
    return true;
  }
  out = GlyphMetrics{};
  if (!Load(glyph, nullptr)) return false;
  const FT_GlyphSlot slot = handle_->face->glyph;
  FT_BBox box{0, 0, 0, 0};
  if (slot->format == FT_GLYPH_FORMAT_OUTLINE && slot->outline.n_points > 0) FT_Outline_Get_CBox(&slot->outline, &box);
  // As the platform rounds: the black box covers every pixel the outline
  // touches, at least one; the advance is rounded up.
  GlyphMetrics m;
  m.abc.a = FloorPixels(box.xMin);
  m.abc.b = std::max(CeilPixels(box.xMax) - m.abc.a, 1);
  m.advance = CeilPixels(slot->metrics.horiAdvance);
  m.abc.c = m.advance - m.abc.a - m.abc.b;
  if (widths_.size() >= kCacheLimit) widths_.clear();
  widths_.emplace(glyph, m);
  out = m;
  return true;
}

std::shared_ptr<const GlyphOutline> FontFace::Outline(unsigned glyph, std::string* error) const {
  std::lock_guard lock(mutex_);
  if (const auto found = outlines_.find(glyph); found != outlines_.end()) return found->second;
  if (!Load(glyph, error)) return nullptr;
  const FT_GlyphSlot slot = handle_->face->glyph;
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE) {
    if (error != nullptr) *error = "The glyph has no outline.";
    return nullptr;
  }
  auto outline = std::make_shared<const GlyphOutline>(ConvertOutline(slot->outline));
  if (outlines_.size() >= kCacheLimit) outlines_.clear();
  outlines_.emplace(glyph, outline);
  return outline;
}

}  // namespace platform
