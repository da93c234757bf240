#include "player/timeline.h"

#include <algorithm>

namespace swfplayer {

const DisplayList& Timeline::StateAt(int frame) {
  frame = std::clamp(frame, 0, std::max(0, frames_.frame_count - 1));
  if (frame == current_index_) return current_;
  int start = -1;
  if (current_index_ >= 0 && current_index_ < frame) {
    start = current_index_;
  }
  // A cached key frame closer than the current state wins.
  auto it = key_frames_.upper_bound(frame);
  if (it != key_frames_.begin()) {
    --it;
    if (it->first > start) {
      start = it->first;
      current_ = it->second;
    }
  }
  if (start < 0) current_ = DisplayList{};
  for (int i = start + 1; i <= frame; ++i) {
    if (const Frame* f = frames_.At(i)) current_.ApplyFrame(*f, i);
    if (i % kKeyFrameInterval == 0 && !key_frames_.contains(i)) key_frames_.emplace(i, current_);
  }
  current_index_ = frame;
  return current_;
}

}  // namespace swfplayer
