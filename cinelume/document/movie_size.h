#pragma once

#include <stdexcept>
#include <string>

namespace cinelume {

class EMovieFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TMovieSize {
  int Width = 0;
  int Height = 0;
};

// Width and height in pixels from the frame rectangle of an SWF file
// (uncompressed, or zlib-compressed "CWS"). Throws EMovieFileError when the
// file cannot be opened or is too short or not a movie.
TMovieSize MovieSizeFromSwf(const std::string& file);

}  // namespace cinelume
