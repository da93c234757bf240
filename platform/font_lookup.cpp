#include "platform/font_lookup.h"

#include "platform/face_selection.h"
#include "platform/font_library.h"
#include "platform/font_matcher.h"

namespace platform {

FaceLocation ResolveFace(std::string_view family) {
  const auto selection = FontLibrary::Instance().Select(std::string(family));
  const FontFace* face = selection->Primary();
  return face != nullptr ? face->Location() : FaceLocation{};
}

std::vector<std::string> InstalledTrueTypeFamilies() { return ListTrueTypeFamilies(); }

}  // namespace platform
