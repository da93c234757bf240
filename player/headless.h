#pragma once

#include <QImage>
#include <filesystem>
#include <string>

#include "player/movie.h"

namespace swfplayer {

// `{"version":V,"width":W,"height":H,"rate":R,"frames":F}`, width and height
// in pixels.
std::string MovieInfoJson(const Movie& movie);

// The stage as it looks at `frame` (the display list after frames
// 0..frame; no actions run), `scale` pixels per pixel. A null image with a
// message for a frame out of range or a stage too large.
QImage RenderMovieFrame(const Movie& movie, int frame, double scale, std::string* error);

}  // namespace swfplayer
