#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <list>
#include <memory>

#include "player/sound_output.h"

class QAudioSink;
class QBuffer;

namespace swfplayer {

// Event sounds through Qt Multimedia on the default output device. Without
// a device (or one that takes no 16-bit PCM) it stays silent.
class QtSoundOutput final : public SoundOutput {
 public:
  QtSoundOutput();
  ~QtSoundOutput() override;

  bool available() const { return available_; }
  void Play(std::uint16_t id, std::shared_ptr<const DecodedSound> sound, int loops) override;
  void Stop(std::uint16_t id) override;
  void StopAll() override;
  bool IsPlaying(std::uint16_t id) override;

 private:
  struct Voice;
  void Prune();

  QAudioDevice device_;
  QAudioFormat format_;
  bool available_ = false;
  std::list<std::unique_ptr<Voice>> voices_;
};

// Linear resampling and channel mapping to `rate` and `channels`.
std::vector<std::int16_t> Resample(const DecodedSound& sound, int rate, int channels);

}  // namespace swfplayer
