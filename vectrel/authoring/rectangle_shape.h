#pragma once

#include "vectrel/authoring/shape_object.h"

namespace vectrel {

// The outline reaches one twip past xmax and ymax.
class RectangleShape : public ShapeObject {
 public:
  RectangleShape(int xmin, int ymin, int xmax, int ymax) : ShapeObject(Bounds{xmin, ymin, xmax, ymax}) {}

 protected:
  void AppendEdges(DefineShape3Record& shape) const override;
  std::pair<int, int> StartPoint() const override { return {bounds().xmin, bounds().ymin}; }
};

}  // namespace vectrel
