#pragma once

#include <array>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/codepage.h"
#include "platform/font_face.h"
#include "platform/font_matcher.h"

namespace platform {

class FontLibrary;

// The faces that serve one family name: the primary face (the first TrueType
// face fontconfig offers, or the first outline face if none is TrueType) and,
// for a character the primary face lacks, the first offered face that has it,
// as the platform links fonts. Shared by every font of that name.
class FaceSelection {
 public:
  FaceSelection(FontLibrary& library, std::vector<FaceCandidate> candidates);

  // nullptr when no candidate could be opened.
  const FontFace* Primary() const { return primary_.get(); }

  // The face that draws `code_point`; the primary face when no face has it.
  const FontFace* FaceFor(char32_t code_point) const;

  // The widths of the bytes 0..255 read as characters of `page`, computed
  // once per code page. False when some glyph could not be loaded.
  bool AbcWidths(CodePage page, std::array<AbcWidth, 256>& out) const;

 private:
  struct AbcTable {
    bool computed = false;
    bool ok = false;
    std::array<AbcWidth, 256> widths{};
  };

  FontLibrary& library_;
  std::vector<FaceCandidate> candidates_;
  std::shared_ptr<const FontFace> primary_;
  mutable std::mutex mutex_;
  mutable std::vector<std::shared_ptr<const FontFace>> linked_;  // keeps fallback faces open
  mutable std::unordered_map<char32_t, const FontFace*> face_for_;
  mutable std::array<AbcTable, 3> abc_tables_;
};

}  // namespace platform
