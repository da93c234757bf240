#include "platform/font_library.h"

#include "platform/face_selection.h"
#include "platform/font_face.h"
#include "platform/font_matcher.h"
#include "platform/freetype_library.h"

namespace platform {
namespace {

// Names come from callers; past this many the name cache starts again.
constexpr std::size_t kSelectionLimit = 256;

}  // namespace

FontLibrary& FontLibrary::Instance() {
  static FontLibrary library;
  return library;
}

FontLibrary::FontLibrary() : freetype_(FreeTypeLibrary::Instance()) {}

FontLibrary::~FontLibrary() = default;

std::shared_ptr<const FaceSelection> FontLibrary::Select(const std::string& family) {
  {
    std::lock_guard lock(mutex_);
    if (const auto found = selections_.find(family); found != selections_.end()) return found->second;
  }
  // Matching and opening take their own locks; another thread may match the
  // same name meanwhile, and the first result stored wins.
  auto selection = std::make_shared<const FaceSelection>(*this, MatchFaces(family));
  std::lock_guard lock(mutex_);
  if (selections_.size() >= kSelectionLimit) selections_.clear();
  return selections_.emplace(family, std::move(selection)).first->second;
}

std::shared_ptr<const FontFace> FontLibrary::OpenFace(const FaceLocation& location) {
  const auto key = std::make_pair(location.file, location.index);
  {
    std::lock_guard lock(mutex_);
    if (const auto found = faces_.find(key); found != faces_.end()) return found->second;
  }
  std::shared_ptr<const FontFace> face = FontFace::Open(freetype_, location);
  std::lock_guard lock(mutex_);
  return faces_.emplace(key, std::move(face)).first->second;
}

}  // namespace platform
