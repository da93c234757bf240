#pragma once

#include <vector>

#include "vectrel/authoring/shape_object.h"

namespace vectrel {

struct PathStep {
  bool straight = true;
  int x = 0;  // dx, anchor dx, or the absolute x of a new sub-path
  int y = 0;
  int control_x = 0;
  int control_y = 0;
  bool new_sub_path = false;
};

// A path of straight and curved edges from an origin; paths are not closed
// automatically. The bounds follow the end points (control points are not
// included) after every step.
class PolygonShape : public ShapeObject {
 public:
  PolygonShape(int origin_x, int origin_y);

  void AddStraightLine(int dx, int dy);
  void AddCurvedLine(int control_dx, int control_dy, int anchor_dx, int anchor_dy);
  void AddNewPath(int x, int y);

  const std::vector<PathStep>& steps() const { return steps_; }

 protected:
  void AppendEdges(DefineShape3Record& shape) const override;
  std::pair<int, int> StartPoint() const override { return {steps_[0].x, steps_[0].y}; }

 private:
  void RecomputeBounds();

  std::vector<PathStep> steps_;
};

}  // namespace vectrel
