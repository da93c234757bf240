#pragma once

#include <array>
#include <memory>

#include "vectrel/authoring/display_object.h"
#include "vectrel/authoring/shape_object.h"
#include "vectrel/authoring/action_item.h"

namespace vectrel {

// A button of four drawable states (up, over, down, hit test), or of one
// state tinted by two colours. Written as a DefineButton2 on its first
// addition, then placed without a matrix.
class ButtonObject : public DisplayObject {
 public:
  struct Tint {
    int red = 0, green = 0, blue = 0, alpha = 0;
  };

  static std::unique_ptr<ButtonObject> FourState(std::shared_ptr<ShapeObject> up, std::shared_ptr<ShapeObject> over,
                                                 std::shared_ptr<ShapeObject> down,
                                                 std::shared_ptr<ShapeObject> hit_test);
  static std::unique_ptr<ButtonObject> Tinted(std::shared_ptr<ShapeObject> state, Tint first, Tint second);

  ButtonObject(int kind, std::array<std::shared_ptr<ShapeObject>, 4> states, Tint first, Tint second);

  int AddToFrame(Frame& frame, MovieModel& movie) override;

  // Adds the event's condition and a copy of the action. Returns false (and
  // changes nothing) once the button has been written.
  bool QueueEvent(const ActionItem& action, int event);
  // Adds the event's condition only (an action that holds nothing).
  bool QueueCondition(int event);

  int kind() const { return kind_; }

 private:
  int kind_;
  std::array<std::shared_ptr<ShapeObject>, 4> states_;
  Tint first_;
  Tint second_;
  // Every queued action runs on every queued event. Kept as plain data so a
  // later movie gets the same condition action.
  std::vector<int> events_;
  std::vector<ActionItem> actions_;
  bool sealed_ = false;  // written once: later events are ignored
};

}  // namespace vectrel
