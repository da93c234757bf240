#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "vectrel/authoring/frame.h"
#include "vectrel/authoring/placement_index.h"

namespace vectrel {

enum class WriteStatus {
  kWritten,
  kCannotWrite,        // the file could not be created or fully written
  kTooManyFrames,      // more frames than the header's 16-bit count holds
  kTooManyPlacements,  // more placements than 16-bit depths can number
  kTooManyCharacters,  // more definitions than 16-bit character ids can number
};

// The movie behind swfMovie: numbered frames of records, a current frame,
// the placement index, and the writing.
class MovieModel {
 public:
  static constexpr int kMaxFrames = 65535;
  static constexpr std::size_t kMaxPlacements = 65536;

  MovieModel();
  MovieModel(const MovieModel&) = delete;
  MovieModel& operator=(const MovieModel&) = delete;

  // Grows the frame list in steps of eight past the index. The index must
  // be 0 or above.
  Frame& GetFrame(int index);
  Frame& CurrentFrame() { return GetFrame(current_frame_); }

  // Assigns depths, emits every frame followed by ShowFrame, writes the file
  // and resets the frames, whatever the outcome. A movie too large for the
  // format is rejected before anything is written.
  WriteStatus Write(const std::string& path, std::string* error = nullptr);

  // Writes under a fresh temporary name in the temp directory. Returns
  // nothing when no temporary name could be made (the frames are then kept).
  std::optional<WriteStatus> MakeMovie();

  // n + 1 bytes, the last 0; nothing when the file cannot be read.
  static std::optional<std::vector<std::uint8_t>> ReadFileContent(const std::string& path);
  std::optional<std::vector<std::uint8_t>> Content() const { return ReadFileContent(TempMoviePath()); }
  void DeleteTempFile() const;
  std::string TempMoviePath() const { return temp_directory_ + temp_movie_name_; }

  void SetSize(int width, int height) {
    width_ = width;
    height_ = height;
  }
  void SetFrameRate(int rate) { frame_rate_ = rate; }
  void GotoFrame(int index) { current_frame_ = index; }
  void SetTempDir(std::string dir);

  int width() const { return width_; }
  int height() const { return height_; }
  int frame_rate() const { return frame_rate_; }
  int frame_count() const { return frame_count_; }
  int current_frame() const { return current_frame_; }
  const std::string& temp_directory() const { return temp_directory_; }
  const std::string& temp_movie_name() const { return temp_movie_name_; }
  PlacementIndex& placements() { return placements_; }
  // Identifies what is being built: unique in the process, new after each
  // write, so definitions made before a write are known to be gone.
  std::uint64_t content_serial() const { return content_serial_; }

 private:
  void Reset();

  std::vector<std::unique_ptr<Frame>> frames_;
  int frame_count_ = 0;
  int frame_rate_ = 12;
  int width_ = 11000;
  int height_ = 8000;
  PlacementIndex placements_;
  int current_frame_ = 0;
  std::string temp_directory_;
  std::string temp_movie_name_ = "test.swf";
  std::uint64_t content_serial_;
};

}  // namespace vectrel
