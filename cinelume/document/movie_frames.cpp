#include "cinelume/document/movie_frames.h"

#include <cmath>

#include "cinelume/document/automation_call.h"
#include "cinelume/document/delphi_round.h"
#include "cinelume/document/error_box.h"

namespace cinelume {

std::int32_t TMovieFrames::ClampFrame(std::int64_t frame) {
  if (frame >= 0 && frame <= kLastFrame) return static_cast<std::int32_t>(frame);
  if (!warned_) {
    warned_ = true;
    if (error_box_ != nullptr) error_box_->ShowError(kClampWarning);
  }
  return frame < 0 ? 0 : kLastFrame;
}

void TMovieFrames::GotoFrame(std::int64_t frame) {
  const std::int32_t index = ClampFrame(frame);
  Call(movie_, u"GotoFrame", index);
  if (index > highest_) highest_ = index;
}

void TMovieFrames::GotoFrameReal(double frame) {
  const double rounded = RoundHalfEven(frame);
  std::int64_t index = 0;
  if (std::isnan(rounded)) index = 0;
  else if (rounded > 1e12) index = static_cast<std::int64_t>(1e12);
  else if (rounded < -1e12) index = static_cast<std::int64_t>(-1e12);
  else index = static_cast<std::int64_t>(rounded);
  GotoFrame(index);
}

void TMovieFrames::RemoveObject(platform::IDispatch* object) { Call(movie_, u"RemoveObject", object); }
void TMovieFrames::AddObject(platform::IDispatch* object) { Call(movie_, u"AddObject", object); }
void TMovieFrames::AddAction(platform::IDispatch* action) { Call(movie_, u"AddAction", action); }

}  // namespace cinelume
