#include "vectrel/authoring/frame.h"

#include "vectrel/authoring/display_object.h"
#include "vectrel/encoding/display_records.h"

namespace vectrel {

void Frame::AddObject(DisplayObject& object) { object.AddToFrame(*this, *movie_); }

void Frame::RemoveObject(DisplayObject& object) { object.RemoveFromFrame(*this, *movie_); }

void Frame::AddBackgroundColor(int red, int green, int blue) {
  Append(std::make_unique<SetBackgroundColorRecord>(Color(red, green, blue)));
}

}  // namespace vectrel
