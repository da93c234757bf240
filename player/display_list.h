#pragma once

#include <QTransform>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "player/frame_list.h"
#include "player/swf_types.h"

namespace swfplayer {

struct DisplayObject {
  std::uint16_t character = 0;
  QTransform matrix;
  ColorTransform color;
  std::uint16_t ratio = 0;
  std::string name;
  std::uint16_t clip_depth = 0;  // 0: not a mask
  // The frame (of the timeline that placed it) where this instance began;
  // a sprite instance plays its own frames from there.
  int placed_frame = 0;
};

// What is on the stage, by depth (lowest drawn first), and the background.
struct DisplayList {
  std::map<std::uint16_t, DisplayObject> objects;
  std::optional<Rgba> background;

  void Apply(const DisplayCommand& command, int frame);
  void ApplyFrame(const Frame& frame, int index);
};

}  // namespace swfplayer
