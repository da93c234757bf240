#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/face_location.h"

namespace platform {

// The face a family name (UTF-8) resolves to, as PlatformFont uses it; empty
// when no outline font is installed.
FaceLocation ResolveFace(std::string_view family);

// The family names of the installed TrueType faces (scalable sfnt with glyf
// outlines), sorted, each once: the fonts the editor offers.
std::vector<std::string> InstalledTrueTypeFamilies();

}  // namespace platform
