#include "vectrel/authoring/display_object.h"

#include "vectrel/authoring/frame.h"
#include "vectrel/authoring/movie_model.h"
#include "vectrel/encoding/display_records.h"

namespace vectrel {

bool DisplayObject::IsDefinedIn(const MovieModel& movie) const {
  return defined_ && defined_in_ == movie.content_serial();
}

void DisplayObject::MarkDefinedIn(const MovieModel& movie) {
  defined_ = true;
  defined_in_ = movie.content_serial();
}

int DisplayObject::Place(Frame& frame, MovieModel& movie) {
  std::optional<Matrix> matrix;
  if (HasTransform()) matrix = BuildMatrix();
  auto record = std::make_unique<PlaceObject2Record>(static_cast<std::uint16_t>(depth_),
                                                     static_cast<std::uint16_t>(character_id_), matrix);
  PlaceObject2Record* place = record.get();
  frame.Append(std::move(record));
  return movie.placements().AddPlacement(character_id_, place, static_cast<std::uint16_t>(depth_));
}

void DisplayObject::RemoveFromFrame(Frame& frame, MovieModel& movie) {
  auto record = std::make_unique<RemoveObjectRecord>(static_cast<std::uint16_t>(character_id_),
                                                     static_cast<std::uint16_t>(depth_));
  RemoveObjectRecord* remove = record.get();
  frame.Append(std::move(record));
  movie.placements().AddRemoval(character_id_, remove);
}

}  // namespace vectrel
