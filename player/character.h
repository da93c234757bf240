#pragma once

#include <cstdint>

namespace swfplayer {

enum class CharacterKind { kShape, kBitmap, kFont, kText, kEditText, kButton, kSprite, kSound };

// A definition in the movie's dictionary, by character id.
class Character {
 public:
  explicit Character(std::uint16_t id) : id_(id) {}
  virtual ~Character() = default;
  Character(const Character&) = delete;
  Character& operator=(const Character&) = delete;

  virtual CharacterKind kind() const = 0;
  std::uint16_t id() const { return id_; }

 private:
  std::uint16_t id_;
};

}  // namespace swfplayer
