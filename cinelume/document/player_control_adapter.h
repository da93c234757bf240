#pragma once

#include <memory>
#include <string>

#include "cinelume/document/player_control.h"

namespace swfplayer {
class FlashPlayerControl;
}

namespace cinelume {

// The document's player interface over our own player control; needs no
// window, so the headless export uses it as it stands.
class TPlayerControlAdapter : public IPlayerControl {
 public:
  TPlayerControlAdapter();
  ~TPlayerControlAdapter() override;

  swfplayer::FlashPlayerControl& Control() { return *control_; }

  std::string Movie() const override;
  void SetMovie(const std::string& movie) override;
  bool Loop() const override;
  void SetLoop(bool loop) override;
  int FrameNum() const override;
  void SetFrameNum(int frame) override;
  void SetBackgroundColor(int color) override;
  int TotalFrames() const override;
  bool Playing() const override;
  void SetPlaying(bool playing) override;
  void SetBGColor(const std::string& color) override;
  void Stop() override;
  void Back() override;
  void Forward() override;
  void GotoFrame(int frame) override;
  int CurrentFrame() const override;

 private:
  std::unique_ptr<swfplayer::FlashPlayerControl> control_;
};

}  // namespace cinelume
