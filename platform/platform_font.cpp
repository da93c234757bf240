#include "platform/platform_font.h"

#include <algorithm>
#include <limits>

#include "platform/face_selection.h"
#include "platform/font_face.h"
#include "platform/font_library.h"

namespace platform {

PlatformFont::PlatformFont(Key, std::shared_ptr<const FaceSelection> selection, CodePage page)
    : selection_(std::move(selection)), page_(page) {}

std::unique_ptr<PlatformFont> PlatformFont::Create(std::string_view face_name, CodePage page) {
  auto selection = FontLibrary::Instance().Select(AnsiToUtf8(face_name, page));
  if (selection->Primary() == nullptr) return nullptr;
  return std::make_unique<PlatformFont>(Key{}, std::move(selection), page);
}

const FaceLocation& PlatformFont::Face() const { return selection_->Primary()->Location(); }
int PlatformFont::PixelsPerEm() const { return selection_->Primary()->Metrics().pixels_per_em; }
int PlatformFont::Ascent() const { return selection_->Primary()->Metrics().ascent; }
int PlatformFont::Descent() const { return selection_->Primary()->Metrics().descent; }
int PlatformFont::CellHeight() const { return selection_->Primary()->Metrics().CellHeight(); }

bool PlatformFont::AbcWidths(std::array<AbcWidth, 256>& out) const { return selection_->AbcWidths(page_, out); }

TextExtent PlatformFont::MeasureText(std::string_view text) const {
  long long width = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += CharacterLength(text, pos, page_)) {
    const char32_t code_point = CharacterCodePoint(text, pos, page_);
    const FontFace* face = selection_->FaceFor(code_point);
    FontFace::GlyphMetrics metrics;
    face->Widths(face->GlyphIndex(code_point), metrics);
    width += metrics.advance;
  }
  constexpr long long kMax = std::numeric_limits<int>::max();
  return {static_cast<int>(std::clamp(width, -kMax, kMax)), CellHeight()};
}

std::shared_ptr<const GlyphOutline> PlatformFont::Outline(std::uint32_t code, std::string* error) const {
  const char32_t code_point = CodePointOfCode(code, page_);
  const FontFace* face = selection_->FaceFor(code_point);
  return face->Outline(face->GlyphIndex(code_point), error);
}

}  // namespace platform
