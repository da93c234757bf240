#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "vectrel/encoding/tag_record.h"

namespace vectrel {

// Collects the records of one movie in file order, counts its frames and
// writes the file.
class MovieFileWriter {
 public:
  void Add(std::unique_ptr<TagRecord> record);
  int frame_count() const { return frame_count_; }
  std::size_t record_count() const { return records_.size(); }

  // Width and height in twips. Returns false when the file could not be
  // opened or fully written; the target is then left as it was (the file
  // goes through a temporary file and a rename). The character id counter
  // is set back to 0 once the file could be opened.
  bool WriteFile(const std::filesystem::path& path, int width, int height, int frame_rate,
                 std::string* error = nullptr);

  // The whole file in one buffer (header, records, End), block payloads
  // still deferred. Records are written and the id counter is reset.
  OutputBuffer BuildFile(int width, int height, int frame_rate);

 private:
  int frame_count_ = 0;
  std::vector<std::unique_ptr<TagRecord>> records_;
};

}  // namespace vectrel
