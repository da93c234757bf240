#pragma once

#include <string>

namespace platform {

// Which installed face a family name resolved to.
struct FaceLocation {
  std::string family;  // the face's own family name (UTF-8)
  std::string file;
  int index = 0;  // face index inside a collection (.ttc)
  bool operator==(const FaceLocation&) const = default;
};

}  // namespace platform
