#include "vectrel/authoring/movie_model.h"

#include <cstdio>
#include <filesystem>

#include "platform/temp_file_name.h"
#include "vectrel/encoding/display_records.h"
#include "vectrel/encoding/movie_file_writer.h"

namespace vectrel {
namespace {
// The temp path is held like a Windows path of at most 254 characters.
constexpr std::size_t kMaxTempDir = 254;

std::uint64_t NextContentSerial() {
  static std::uint64_t serial = 0;
  return ++serial;
}
}  // namespace

MovieModel::MovieModel() : content_serial_(NextContentSerial()) { SetTempDir(platform::TempPath()); }

void MovieModel::SetTempDir(std::string dir) {
  if (dir.size() > kMaxTempDir) dir.resize(kMaxTempDir);
  temp_directory_ = std::move(dir);
}

Frame& MovieModel::GetFrame(int index) {
  frame_count_ = std::max(frame_count_, index + 1);
  if (static_cast<std::size_t>(index) >= frames_.size()) {
    const std::size_t old = frames_.size();
    frames_.resize(static_cast<std::size_t>(index) + 8);
    for (std::size_t i = old; i < frames_.size(); ++i) frames_[i] = std::make_unique<Frame>(*this);
  }
  return *frames_[static_cast<std::size_t>(index)];
}

void MovieModel::Reset() {
  frames_.clear();
  frame_count_ = 0;
  content_serial_ = NextContentSerial();
}

WriteStatus MovieModel::Write(const std::string& path, std::string* error) {
  if (frame_count_ > kMaxFrames) {
    placements_.Clear();
    Reset();
    if (error != nullptr) *error = "a movie holds at most 65535 frames";
    return WriteStatus::kTooManyFrames;
  }
  if (placements_.placement_count() > kMaxPlacements) {
    placements_.Clear();
    Reset();
    if (error != nullptr) *error = "a movie holds at most 65536 placements";
    return WriteStatus::kTooManyPlacements;
  }
  if (CharacterIdsExhausted()) {
    placements_.Clear();
    Reset();
    ResetCharacterIds();  // the ids of the rejected movie are gone with it
    if (error != nullptr) *error = "a movie holds at most 65535 definitions";
    return WriteStatus::kTooManyCharacters;
  }
  placements_.AssignDepths();

  MovieFileWriter writer;
  for (int f = 0; f < frame_count_; ++f) {
    if (static_cast<std::size_t>(f) < frames_.size()) {
      for (auto& record : frames_[static_cast<std::size_t>(f)]->records()) writer.Add(std::move(record));
    }
    writer.Add(std::make_unique<ShowFrameRecord>());
  }
  const bool ok = writer.WriteFile(path, width_, height_, frame_rate_, error);
  Reset();
  return ok ? WriteStatus::kWritten : WriteStatus::kCannotWrite;
}

std::optional<WriteStatus> MovieModel::MakeMovie() {
  const auto temp = platform::MakeTempFileName(temp_directory_, "", 0);
  if (!temp) return std::nullopt;
  std::remove(temp->path.c_str());
  char hex[16];
  std::snprintf(hex, sizeof hex, "%X", temp->number);
  temp_movie_name_ = std::string(hex) + ".swf";
  // Joined as they stand: a directory without a trailing separator names a
  // file one level up.
  return Write(temp_directory_ + temp_movie_name_);
}

std::optional<std::vector<std::uint8_t>> MovieModel::ReadFileContent(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[65536];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  bytes.push_back(0);
  return bytes;
}

void MovieModel::DeleteTempFile() const { std::remove(TempMoviePath().c_str()); }

}  // namespace vectrel
