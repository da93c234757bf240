#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dispatch.h"

namespace cinelume {

class TDelphiRandom;
class TMovieFrames;

// What a text recipe draws: the text's values with start and end frames
// already clamped to the movie's frame range.
struct TTextEffectInput {
  std::string FontName;
  std::u16string Content;
  std::vector<std::u16string> Units;  // TextUnits
  std::int32_t X = 0, Y = 0, F = 0;
  std::uint8_t R = 0, G = 0, B = 0;
  std::int32_t s = 0, e = 0;
};

struct TTextTarget {
  platform::IDispatch* Text = nullptr;  // the text's swfObject
  TMovieFrames* Frames = nullptr;       // the movie
  TDelphiRandom* Random = nullptr;
  std::optional<std::uint32_t> RainbowSeed;  // instead of the clock
};

// The ten effect names, compared exactly.
inline constexpr std::string_view kTextEffects[] = {"-- None --", "Come In", "Fade",     "Heart Beat", "Kerning",
                                                    "Move",       "Radiation", "Rainbow", "Roll In",    "Rotate"};

// Runs the recipe named `effect`. False, with no calls, for any other name.
// A failing automation call throws EAutomationError.
bool RunTextEffect(std::string_view effect, const TTextEffectInput& text, TTextTarget& target);

}  // namespace cinelume
