#pragma once

#include <cstdint>

#include "vectrel/encoding/output_buffer.h"

namespace vectrel {

// CXFORMWITHALPHA. Only the empty and the add-only forms are ever written;
// mult terms are held but never emitted.
class ColorTransform {
 public:
  ColorTransform() : ColorTransform(false, false, 0, 0, 0, 0, 0, 0, 0, 0) {}
  ColorTransform(bool has_add, bool has_mult, std::int32_t add_r, std::int32_t add_g, std::int32_t add_b,
                 std::int32_t add_a, std::int32_t mult_r, std::int32_t mult_g, std::int32_t mult_b,
                 std::int32_t mult_a);
  static ColorTransform AddOnly(std::int32_t r, std::int32_t g, std::int32_t b, std::int32_t a) {
    return ColorTransform(true, false, r, g, b, a, 0, 0, 0, 0);
  }
  virtual ~ColorTransform() = default;
  ColorTransform(const ColorTransform&) = default;
  ColorTransform& operator=(const ColorTransform&) = default;

  virtual void Write(OutputBuffer& buffer) const;

  bool has_add() const { return has_add_; }
  int bits() const { return bits_; }
  std::int32_t add(int i) const { return add_[i]; }

 private:
  bool has_add_;
  bool has_mult_;
  std::int32_t add_[4];
  std::int32_t mult_[4];
  int bits_;
};

}  // namespace vectrel
