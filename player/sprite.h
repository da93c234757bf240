#pragma once

#include "player/character.h"
#include "player/frame_list.h"

namespace swfplayer {

// DefineSprite: a nested timeline.
class SpriteCharacter final : public Character {
 public:
  SpriteCharacter(std::uint16_t id, FrameList frames) : Character(id), frames_(std::move(frames)) {}
  CharacterKind kind() const override { return CharacterKind::kSprite; }
  const FrameList& frames() const { return frames_; }

 private:
  FrameList frames_;
};

}  // namespace swfplayer
