#pragma once

#include <QTransform>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "player/actions.h"
#include "player/swf_types.h"

namespace swfplayer {

// PlaceObject, PlaceObject2 or PlaceObject3 as read.
struct PlaceCommand {
  std::uint16_t depth = 0;
  bool move = false;  // modifies what is at the depth
  std::optional<std::uint16_t> character;
  std::optional<QTransform> matrix;
  std::optional<ColorTransform> color;
  std::optional<std::uint16_t> ratio;
  std::optional<std::string> name;
  std::optional<std::uint16_t> clip_depth;
};

struct DisplayCommand {
  enum class Kind { kPlace, kRemove };
  Kind kind = Kind::kPlace;
  PlaceCommand place;  // kPlace; for kRemove only `depth` counts
};

struct SoundStart {
  std::uint16_t sound_id = 0;
  bool stop = false;         // SyncStop
  bool no_multiple = false;  // SyncNoMultiple
  int loops = 1;
};

struct Frame {
  std::vector<DisplayCommand> commands;
  std::vector<ActionList> actions;
  std::vector<SoundStart> sounds;
  std::optional<Rgba> background;
  std::string label;
};

// The frames of the main timeline or of a sprite. Frames past `frames`
// (a file cut short) hold nothing.
struct FrameList {
  int frame_count = 0;
  std::vector<Frame> frames;

  const Frame* At(int index) const {
    return index >= 0 && index < static_cast<int>(frames.size()) ? &frames[index] : nullptr;
  }
  int FindLabel(const std::string& label) const;
};

}  // namespace swfplayer
