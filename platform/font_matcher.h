#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/face_location.h"

namespace platform {

// One installed outline face that fontconfig offers for a family name.
struct FaceCandidate {
  FaceLocation location;
  bool true_type = false;  // fontconfig says TrueType format with outlines
  std::shared_ptr<const void> charset;  // the face's FcCharSet, for HasCharacter
  bool HasCharacter(char32_t code_point) const;
};

// The outline faces fontconfig would substitute for `family` (UTF-8, weight
// regular, not italic), best first. Chinese face names ask for Chinese
// coverage, so that "SimSun" finds a Chinese face rather than a Latin serif.
// Empty only when no outline font is installed.
std::vector<FaceCandidate> MatchFaces(std::string_view family);

// The family names of the installed TrueType faces (scalable, glyf outlines),
// sorted, each once.
std::vector<std::string> ListTrueTypeFamilies();

}  // namespace platform
