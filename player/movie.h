#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "player/character.h"
#include "player/frame_list.h"
#include "player/swf_types.h"

namespace swfplayer {

// A parsed SWF file: header, dictionary of definitions and the main timeline.
class Movie {
 public:
  int version = 0;
  bool compressed = false;
  SwfRect stage;       // twips
  double frame_rate = 0;
  FrameList timeline;  // timeline.frame_count is the header's frame count (at least 1)
  // The file ended before its End tag, or a tag was cut or damaged.
  bool damaged = false;

  int WidthPixels() const { return (stage.x_max - stage.x_min) / 20; }
  int HeightPixels() const { return (stage.y_max - stage.y_min) / 20; }
  int FrameCount() const { return timeline.frame_count; }

  const Character* Find(std::uint16_t id) const {
    auto it = dictionary_.find(id);
    return it == dictionary_.end() ? nullptr : it->second.get();
  }
  template <typename T>
  const T* FindAs(std::uint16_t id, CharacterKind kind) const {
    const Character* c = Find(id);
    return c != nullptr && c->kind() == kind ? static_cast<const T*>(c) : nullptr;
  }
  Character* FindMutable(std::uint16_t id) {
    auto it = dictionary_.find(id);
    return it == dictionary_.end() ? nullptr : it->second.get();
  }
  // The first definition of an id wins, as in other players.
  void Define(std::unique_ptr<Character> character) {
    const std::uint16_t id = character->id();
    dictionary_.try_emplace(id, std::move(character));
  }
  std::size_t CharacterCount() const { return dictionary_.size(); }

 private:
  std::unordered_map<std::uint16_t, std::unique_ptr<Character>> dictionary_;
};

}  // namespace swfplayer
