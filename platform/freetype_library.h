#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <mutex>

namespace platform {

// The process's FreeType library. Faces hold a reference, so it lives until
// the last face is closed. Creating and closing faces takes the lock.
class FreeTypeLibrary {
 public:
  // nullptr when FreeType cannot start.
  static std::shared_ptr<FreeTypeLibrary> Instance();
  ~FreeTypeLibrary();
  FreeTypeLibrary(const FreeTypeLibrary&) = delete;
  FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;

  FT_Library Get() const { return library_; }
  std::mutex& Mutex() { return mutex_; }

 private:
  struct Key {};

 public:
  FreeTypeLibrary(Key, FT_Library library) : library_(library) {}

 private:
  FT_Library library_;
  std::mutex mutex_;
};

}  // namespace platform
