#include "player/display_list.h"

namespace swfplayer {

void DisplayList::Apply(const DisplayCommand& command, int frame) {
  const PlaceCommand& p = command.place;
  if (command.kind == DisplayCommand::Kind::kRemove) {
    objects.erase(p.depth);
    return;
  }
  auto it = objects.find(p.depth);
  if (p.move) {
    if (it == objects.end()) return;  // nothing there to modify
    DisplayObject& o = it->second;
    if (p.character && *p.character != o.character) {
      o.character = *p.character;
      o.placed_frame = frame;
    }
    if (p.matrix) o.matrix = *p.matrix;
    if (p.color) o.color = *p.color;
    if (p.ratio) o.ratio = *p.ratio;
    if (p.name) o.name = *p.name;
    if (p.clip_depth) o.clip_depth = *p.clip_depth;
    return;
  }
  if (!p.character) return;
  DisplayObject o;
  o.character = *p.character;
  o.matrix = p.matrix.value_or(QTransform());
  o.color = p.color.value_or(ColorTransform());
  o.ratio = p.ratio.value_or(0);
  o.name = p.name.value_or(std::string());
  o.clip_depth = p.clip_depth.value_or(0);
  o.placed_frame = frame;
  objects[p.depth] = std::move(o);
}

void DisplayList::ApplyFrame(const Frame& f, int index) {
  if (f.background) background = f.background;
  for (const DisplayCommand& c : f.commands) Apply(c, index);
}

}  // namespace swfplayer
