#pragma once

#include <cstdint>

#include "platform/dispatch.h"

namespace cinelume {

class IErrorBox;

// The frame calls of one generation pass on the movie object: frame numbers
// are kept inside what the file's 16-bit frame count can hold, with one
// warning per pass, and the last frame written is remembered for the stop
// action.
class TMovieFrames {
 public:
  static constexpr std::int32_t kLastFrame = 65534;
  static constexpr const char* kClampWarning =
      "Some frame numbers lie outside 0 to 65534; they were cut to fit the movie.";

  TMovieFrames(platform::IDispatch* movie, IErrorBox* error_box) : movie_(movie), error_box_(error_box) {}

  // Clamps a start or end frame read from the file before any loop runs.
  std::int32_t ClampFrame(std::int64_t frame);
  // GotoFrame(frame): integers, or reals rounded halves to even.
  void GotoFrame(std::int64_t frame);
  void GotoFrameReal(double frame);
  void RemoveObject(platform::IDispatch* object);
  void AddObject(platform::IDispatch* object);
  void AddAction(platform::IDispatch* action);

  // The highest frame given to GotoFrame in this pass, or -1.
  std::int32_t HighestFrame() const { return highest_; }
  platform::IDispatch* Movie() const { return movie_; }

 private:
  platform::IDispatch* movie_;
  IErrorBox* error_box_;
  std::int32_t highest_ = -1;
  bool warned_ = false;
};

}  // namespace cinelume
