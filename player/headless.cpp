#include "player/headless.h"

#include <cmath>
#include <sstream>

#include "player/renderer.h"
#include "player/timeline.h"

namespace swfplayer {

std::string MovieInfoJson(const Movie& movie) {
  std::ostringstream out;
  out << "{\"version\":" << movie.version << ",\"width\":" << movie.WidthPixels()
      << ",\"height\":" << movie.HeightPixels() << ",\"rate\":";
  // Whole rates print as integers, others with their fraction.
  if (movie.frame_rate == std::floor(movie.frame_rate))
    out << static_cast<long long>(movie.frame_rate);
  else
    out << movie.frame_rate;
  out << ",\"frames\":" << movie.FrameCount() << "}";
  return out.str();
}

QImage RenderMovieFrame(const Movie& movie, int frame, double scale, std::string* error) {
  if (frame < 0 || frame >= movie.FrameCount()) {
    if (error) *error = "frame " + std::to_string(frame) + " out of range (0.." + std::to_string(movie.FrameCount() - 1) + ")";
    return {};
  }
  if (!(scale > 0) || !std::isfinite(scale)) {
    if (error) *error = "scale must be a positive number";
    return {};
  }
  Timeline timeline(movie.timeline);
  Renderer renderer(movie);
  QImage image = renderer.RenderFrame(timeline.StateAt(frame), frame, scale);
  if (image.isNull() && error) *error = "the stage is too large to render at this scale";
  return image;
}

}  // namespace swfplayer
