#pragma once

#include <cstddef>
#include <map>
#include <vector>

#include "vectrel/encoding/display_records.h"

namespace vectrel {

// One placement of a character and the removal that ends it; both records
// live in frame lists.
struct PlacementRecord {
  PlaceObject2Record* place = nullptr;
  RemoveObjectRecord* remove = nullptr;
  int layer = 0;
};

// Every placement of the movie by character id, so that depths can be
// handed out at write time.
class PlacementIndex {
 public:
  // Returns the number of placements now recorded for the id.
  int AddPlacement(int character_id, PlaceObject2Record* place, int layer);
  // Links the removal to the latest placement of the id, if any.
  void AddRemoval(int character_id, RemoveObjectRecord* remove);

  // Orders all placements by layer (lower ids first within a layer, earlier
  // placements first within an id), numbers them from 0 into the depth of
  // each placement and its removal, and empties every list. Returns the
  // number of placements.
  std::size_t AssignDepths();

  std::size_t placement_count() const;
  // Drops the lists without numbering (after a rejected write).
  void Clear();

 private:
  std::map<int, std::vector<PlacementRecord>> entries_;
};

}  // namespace vectrel
