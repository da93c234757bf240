#pragma once

#include <cstdint>
#include <optional>

#include "vectrel/encoding/color.h"
#include "vectrel/encoding/matrix.h"
#include "vectrel/encoding/tag_record.h"

namespace vectrel {

class ShowFrameRecord final : public TagRecord {
 public:
  void Write(OutputBuffer& file) override;
  bool IsShowFrame() const override { return true; }
};

// Always RGB, whatever form the colour was made in.
class SetBackgroundColorRecord final : public TagRecord {
 public:
  explicit SetBackgroundColorRecord(const Color& color);
  void Write(OutputBuffer& file) override;

 private:
  Color color_;
};

class RemoveObjectRecord final : public TagRecord {
 public:
  RemoveObjectRecord(std::uint16_t character_id, std::uint16_t depth)
      : character_id_(character_id), depth_(depth) {}
  void Write(OutputBuffer& file) override;
  void set_depth(std::uint16_t depth) { depth_ = depth; }
  std::uint16_t depth() const { return depth_; }
  std::uint16_t character_id() const { return character_id_; }

 private:
  std::uint16_t character_id_;
  std::uint16_t depth_;
};

// A new placement of a character (HasCharacter set, Move clear).
class PlaceObject2Record final : public TagRecord {
 public:
  PlaceObject2Record(std::uint16_t depth, std::uint16_t character_id, std::optional<Matrix> matrix)
      : depth_(depth), character_id_(character_id), matrix_(std::move(matrix)) {}
  void Write(OutputBuffer& file) override;
  void set_depth(std::uint16_t depth) { depth_ = depth; }
  std::uint16_t depth() const { return depth_; }
  std::uint16_t character_id() const { return character_id_; }

 private:
  std::uint16_t depth_;
  std::uint16_t character_id_;
  std::optional<Matrix> matrix_;
};

}  // namespace vectrel
