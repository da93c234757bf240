#pragma once

#include <string>

namespace cinelume {

// What the document needs of the player that shows the preview movie. The
// editor's preview window and the headless export each provide one.
class IPlayerControl {
 public:
  virtual ~IPlayerControl() = default;

  // A file path loads the movie at once; the bare scheme prefix
  // (kEmptyMovie) unloads it.
  virtual std::string Movie() const = 0;
  virtual void SetMovie(const std::string& movie) = 0;
  virtual bool Loop() const = 0;
  virtual void SetLoop(bool loop) = 0;
  // Current frame, from 0.
  virtual int FrameNum() const = 0;
  virtual void SetFrameNum(int frame) = 0;
  // 0x00BBGGRR.
  virtual void SetBackgroundColor(int color) = 0;
  virtual int TotalFrames() const = 0;
  virtual bool Playing() const = 0;
  virtual void SetPlaying(bool playing) = 0;
  virtual void SetBGColor(const std::string& color) = 0;
  virtual void Stop() = 0;
  virtual void Back() = 0;
  virtual void Forward() = 0;
  virtual void GotoFrame(int frame) = 0;
  virtual int CurrentFrame() const = 0;

  // Loads nothing, so the same path loads again afterwards.
  static constexpr const char* kEmptyMovie = "http://";
};

}  // namespace cinelume
