#include "vectrel/authoring/placement_index.h"

#include <algorithm>
#include <list>

#include "vectrel/encoding/trace.h"

namespace vectrel {

int PlacementIndex::AddPlacement(int character_id, PlaceObject2Record* place, int layer) {
  auto& list = entries_[character_id];
  list.push_back(PlacementRecord{place, nullptr, layer});
  return static_cast<int>(list.size());
}

void PlacementIndex::AddRemoval(int character_id, RemoveObjectRecord* remove) {
  auto& list = entries_[character_id];
  if (!list.empty()) list.back().remove = remove;
}

std::size_t PlacementIndex::placement_count() const {
  std::size_t n = 0;
  for (const auto& [id, list] : entries_) n += list.size();
  return n;
}

void PlacementIndex::Clear() {
  for (auto& [id, list] : entries_) list.clear();
}

std::size_t PlacementIndex::AssignDepths() {
  // Each id's list is merged into the running list L: a record goes before
  // the first L record of a strictly greater layer, walking on from where
  // the previous record went; L is then stably sorted by layer. When every
  // id kept its layers in ascending order (the usual case) L stays sorted
  // and the outcome is simply: layer, then id, then placement order. Only
  // an id whose layer went down between placements needs the walk itself.
  bool all_ascending = true;
  std::size_t total = 0;
  for (const auto& [id, list] : entries_) {
    total += list.size();
    for (std::size_t i = 1; i < list.size() && all_ascending; ++i)
      if (list[i].layer < list[i - 1].layer) all_ascending = false;
  }
  TraceF("Depth sorting: %d shapes\n", static_cast<int>(total));

  std::vector<PlacementRecord> ordered;
  ordered.reserve(total);
  if (all_ascending) {
    for (const auto& [id, list] : entries_) ordered.insert(ordered.end(), list.begin(), list.end());
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const PlacementRecord& a, const PlacementRecord& b) { return a.layer < b.layer; });
  } else {
    std::list<PlacementRecord> merged;
    for (const auto& [id, list] : entries_) {
      auto cursor = merged.begin();
      for (const auto& record : list) {
        while (cursor != merged.end() && cursor->layer <= record.layer) ++cursor;
        merged.insert(cursor, record);
      }
    }
    ordered.assign(merged.begin(), merged.end());
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const PlacementRecord& a, const PlacementRecord& b) { return a.layer < b.layer; });
  }

  std::uint32_t depth = 0;
  for (const auto& record : ordered) {
    record.place->set_depth(static_cast<std::uint16_t>(depth));
    if (record.remove != nullptr) record.remove->set_depth(static_cast<std::uint16_t>(depth));
    ++depth;
  }
  Clear();
  return ordered.size();
}

}  // namespace vectrel
