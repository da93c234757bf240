#pragma once

#include <memory>
#include <vector>

#include "vectrel/encoding/tag_record.h"

namespace vectrel {

class ActionItem;
class DisplayObject;
class MovieModel;

// One frame of a movie: its records in file order, owned until the movie
// is written.
class Frame {
 public:
  explicit Frame(MovieModel& movie) : movie_(&movie) {}
  Frame(const Frame&) = delete;
  Frame& operator=(const Frame&) = delete;

  void Append(std::unique_ptr<TagRecord> record) { records_.push_back(std::move(record)); }

  void AddObject(DisplayObject& object);
  void RemoveObject(DisplayObject& object);
  void AddBackgroundColor(int red, int green, int blue);
  void AddAction(const ActionItem& action);

  std::vector<std::unique_ptr<TagRecord>>& records() { return records_; }
  MovieModel& movie() { return *movie_; }

 private:
  MovieModel* movie_;
  std::vector<std::unique_ptr<TagRecord>> records_;
};

}  // namespace vectrel
