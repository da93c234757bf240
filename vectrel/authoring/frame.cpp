#include "vectrel/authoring/frame.h"

#include "vectrel/authoring/action_item.h"
#include "vectrel/authoring/display_object.h"
#include "vectrel/encoding/display_records.h"
#include "vectrel/encoding/do_action.h"

namespace vectrel {

void Frame::AddObject(DisplayObject& object) { object.AddToFrame(*this, *movie_); }

void Frame::RemoveObject(DisplayObject& object) { object.RemoveFromFrame(*this, *movie_); }

void Frame::AddBackgroundColor(int red, int green, int blue) {
  Append(std::make_unique<SetBackgroundColorRecord>(Color(red, green, blue)));
}

void Frame::AddAction(const ActionItem& action) {
  auto record = action.MakeRecord();
  if (!record) return;
  auto do_action = std::make_unique<DoActionRecord>();
  do_action->AppendAction(std::move(record));
  Append(std::move(do_action));
}

}  // namespace vectrel
