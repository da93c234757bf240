#include "platform/freetype_library.h"

namespace platform {

std::shared_ptr<FreeTypeLibrary> FreeTypeLibrary::Instance() {
  static const std::shared_ptr<FreeTypeLibrary> instance = []() -> std::shared_ptr<FreeTypeLibrary> {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return nullptr;
    return std::make_shared<FreeTypeLibrary>(Key{}, library);
  }();
  return instance;
}

FreeTypeLibrary::~FreeTypeLibrary() { FT_Done_FreeType(library_); }

}  // namespace platform
