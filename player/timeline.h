#pragma once

#include <map>

#include "player/display_list.h"
#include "player/frame_list.h"

namespace swfplayer {

// Random access to the display list of any frame: replays the frames'
// commands from the nearest cached key frame at or before it.
class Timeline {
 public:
  // Frames between cached key frames.
  static constexpr int kKeyFrameInterval = 32;

  explicit Timeline(const FrameList& frames) : frames_(frames) {}

  int frame_count() const { return frames_.frame_count; }
  // The display list after frames 0..frame (clamped to the frame range).
  const DisplayList& StateAt(int frame);

 private:
  const FrameList& frames_;
  std::map<int, DisplayList> key_frames_;
  int current_index_ = -1;
  DisplayList current_;
};

}  // namespace swfplayer
