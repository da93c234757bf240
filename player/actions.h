#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace swfplayer {

// The frame and button actions the player carries out; every other action
// code is read past and ignored.
struct Action {
  enum class Kind { kStop, kPlay, kNextFrame, kPreviousFrame, kGotoFrame, kGotoLabel, kGetUrl };
  Kind kind = Kind::kStop;
  int frame = 0;
  std::string url;     // GetURL, or the label of GotoLabel
  std::string target;  // GetURL
};

using ActionList = std::vector<Action>;

// Action records up to the end byte (or the end of the data).
ActionList ReadActions(std::span<const std::uint8_t> data);

}  // namespace swfplayer
