#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <utility>

#include "platform/face_location.h"

namespace platform {

class FaceSelection;
class FontFace;
class FreeTypeLibrary;

// The process-wide caches behind the fonts: opened faces by file and index,
// and the faces chosen for each family name. A name is resolved once per
// process; fonts installed while it runs are not seen.
class FontLibrary {
 public:
  static FontLibrary& Instance();
  FontLibrary();
  ~FontLibrary();
  FontLibrary(const FontLibrary&) = delete;
  FontLibrary& operator=(const FontLibrary&) = delete;

  // The faces for a family name (UTF-8); never nullptr, but its primary face
  // is missing when no outline font is installed.
  std::shared_ptr<const FaceSelection> Select(const std::string& family);

  // nullptr when the face cannot be opened (remembered too).
  std::shared_ptr<const FontFace> OpenFace(const FaceLocation& location);

 private:
  std::shared_ptr<FreeTypeLibrary> freetype_;
  std::mutex mutex_;
  std::map<std::pair<std::string, int>, std::shared_ptr<const FontFace>> faces_;
  std::unordered_map<std::string, std::shared_ptr<const FaceSelection>> selections_;
};

}  // namespace platform
