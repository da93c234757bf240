#pragma once

#include <stdexcept>
#include <string>

namespace cinelume {

class IErrorBox;

// A picture file the image reader cannot read at all.
class EPictureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The picture converter: every picture that reaches a movie is a baseline
// JPEG re-encoded at quality 75, at most 800 x 600 pixels, in the one file
// JpegFile that each conversion overwrites.
class TPic {
 public:
  static constexpr int kMaxWidth = 800;
  static constexpr int kMaxHeight = 600;
  static constexpr int kQuality = 75;

  // `error_box` (borrowed, may be null) shows the size messages.
  TPic(std::string untitled_path, IErrorBox* error_box);

  std::string SourceFile;
  std::string JpegFile;
  int Width = 0;
  int Height = 0;

  // True when SourceFile (BMP or JPEG) was converted into JpegFile; false
  // for an empty SourceFile, another format or an oversize picture (with
  // its message). Throws EPictureError when the file cannot be read as a
  // picture or the JPEG cannot be written.
  bool Convert();
  // The converter outlives documents; each one hands it its own box.
  void SetErrorBox(IErrorBox* error_box) { error_box_ = error_box; }
  // Whether the last Convert refused an oversize picture (and said so).
  bool Refused() const { return refused_; }

 private:
  IErrorBox* error_box_;
  bool refused_ = false;
};

}  // namespace cinelume
