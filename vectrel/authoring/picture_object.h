#pragma once

#include <memory>
#include <string>

#include "vectrel/authoring/rectangle_shape.h"

namespace vectrel {

// A rectangle filled with a JPEG picture, without a line.
class PictureObject : public RectangleShape {
 public:
  // Nothing when the file cannot be read or the picture size is not above 0.
  static std::unique_ptr<PictureObject> Make(int xmin, int ymin, int xmax, int ymax, int bitmap_x, int bitmap_y,
                                             const std::string& filename);

  PictureObject(int xmin, int ymin, int xmax, int ymax) : RectangleShape(xmin, ymin, xmax, ymax) {
    set_line_width_raw(0);
  }
};

}  // namespace vectrel
