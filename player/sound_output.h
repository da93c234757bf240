#pragma once

#include <cstdint>
#include <memory>

#include "player/sound_decoder.h"

namespace swfplayer {

// Where event sounds go. The player asks for one only when a sound starts,
// so a movie without sounds never touches the audio system.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual void Play(std::uint16_t id, std::shared_ptr<const DecodedSound> sound, int loops) = 0;
  virtual void Stop(std::uint16_t id) = 0;
  virtual void StopAll() = 0;
  virtual bool IsPlaying(std::uint16_t id) = 0;
};

// Plays nothing.
class SilentSoundOutput final : public SoundOutput {
 public:
  void Play(std::uint16_t, std::shared_ptr<const DecodedSound>, int) override {}
  void Stop(std::uint16_t) override {}
  void StopAll() override {}
  bool IsPlaying(std::uint16_t) override { return false; }
};

}  // namespace swfplayer
