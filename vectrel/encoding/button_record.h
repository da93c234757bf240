#pragma once

#include <cstdint>

#include "vectrel/encoding/color_transform.h"
#include "vectrel/encoding/matrix.h"
#include "vectrel/encoding/output_buffer.h"

namespace vectrel {

// BUTTONRECORD of a DefineButton2: a character shown in some of the
// button's states.
class ButtonRecord {
 public:
  ButtonRecord(bool state_hit_test, bool state_down, bool state_over, bool state_up,
               std::uint16_t character_id, std::uint16_t depth, const Matrix& matrix,
               const ColorTransform& color_transform)
      : state_hit_test_(state_hit_test),
        state_down_(state_down),
        state_over_(state_over),
        state_up_(state_up),
        character_id_(character_id),
        depth_(depth),
        matrix_(matrix),
        color_transform_(color_transform) {}
  virtual void Write(OutputBuffer& buffer) const;
  virtual ~ButtonRecord() = default;
  ButtonRecord(const ButtonRecord&) = delete;
  ButtonRecord& operator=(const ButtonRecord&) = delete;

 private:
  bool state_hit_test_;
  bool state_down_;
  bool state_over_;
  bool state_up_;
  std::uint16_t character_id_;
  std::uint16_t depth_;
  Matrix matrix_;
  ColorTransform color_transform_;
};

}  // namespace vectrel
