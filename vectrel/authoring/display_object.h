#pragma once

#include <cstdint>
#include <optional>

#include "vectrel/encoding/matrix.h"

namespace vectrel {

class Frame;
class MovieModel;

// Anything that can be added to a frame. Adding copies what the frame needs
// into new records, so the object may change or go away afterwards.
class DisplayObject {
 public:
  virtual ~DisplayObject() = default;

  // Puts the definition into the frame when not yet defined, then places
  // the object. Returns the placements now recorded for its character id.
  virtual int AddToFrame(Frame& frame, MovieModel& movie) = 0;
  virtual void RemoveFromFrame(Frame& frame, MovieModel& movie);
  virtual bool HasTransform() const { return false; }
  virtual std::optional<Matrix> BuildMatrix() const { return std::nullopt; }

  // The common tail of AddToFrame: a new PlaceObject2 with a placeholder
  // depth, recorded in the movie's placement index.
  int Place(Frame& frame, MovieModel& movie);

  int character_id() const { return character_id_; }
  void set_character_id(int id) { character_id_ = id; }
  std::int16_t depth() const { return depth_; }
  void set_depth(std::int16_t depth) { depth_ = depth; }
  // Defined in the movie being built: a movie written since (or another
  // movie) does not hold the definition, so the object defines itself again
  // rather than place a character the file lacks.
  bool IsDefinedIn(const MovieModel& movie) const;
  void MarkDefinedIn(const MovieModel& movie);
  bool defined() const { return defined_; }
  // Look-changing setters clear it.
  void set_defined(bool defined) { defined_ = defined; }
  bool definition_only() const { return definition_only_; }
  void set_definition_only(bool only) { definition_only_ = only; }

 protected:
  DisplayObject() = default;
  DisplayObject(const DisplayObject&) = default;
  DisplayObject& operator=(const DisplayObject&) = default;

 private:
  int character_id_ = -1;
  std::int16_t depth_ = 1;
  bool defined_ = false;
  std::uint64_t defined_in_ = 0;  // the movie content the definition went to
  bool definition_only_ = false;
};

}  // namespace vectrel
