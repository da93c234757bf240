#include "vectrel/authoring/picture_object.h"

namespace vectrel {

std::unique_ptr<PictureObject> PictureObject::Make(int xmin, int ymin, int xmax, int ymax, int bitmap_x,
                                                   int bitmap_y, const std::string& filename) {
  auto picture = std::make_unique<PictureObject>(xmin, ymin, xmax, ymax);
  if (picture->SetBitmapFillJpeg(bitmap_x, bitmap_y, filename) != BitmapFillResult::kSet) return nullptr;
  return picture;
}

}  // namespace vectrel
