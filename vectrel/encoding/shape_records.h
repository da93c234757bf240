#pragma once

#include <cstdint>

#include "vectrel/encoding/output_buffer.h"

namespace vectrel {

// One record of a SHAPE: bit fields only, written back to back; only the
// end record aligns.
class ShapeRecord {
 public:
  virtual ~ShapeRecord() = default;
  virtual void Write(OutputBuffer& buffer) = 0;
  // Widths of the style indices; only style changes use them.
  virtual void SetFillBits(int /*bits*/) {}
  virtual void SetLineBits(int /*bits*/) {}

 protected:
  ShapeRecord() = default;
  ShapeRecord(const ShapeRecord&) = delete;
  ShapeRecord& operator=(const ShapeRecord&) = delete;
};

// Selects styles and/or moves the pen. StateNewStyles is never set. Style
// indices wider than the fill or line bits are cut to them.
class StyleChangeRecord final : public ShapeRecord {
 public:
  StyleChangeRecord(bool state_line_style, bool state_fill_style1, bool state_fill_style0,
                    bool state_move_to, std::int32_t move_dx, std::int32_t move_dy, int fill_style0,
                    int fill_style1, int line_style);
  void Write(OutputBuffer& buffer) override;
  void SetFillBits(int bits) override { fill_bits_ = bits; }
  void SetLineBits(int bits) override { line_bits_ = bits; }

  int move_bits() const { return move_bits_; }

 private:
  bool state_line_style_;
  bool state_fill_style1_;
  bool state_fill_style0_;
  bool state_move_to_;
  std::int32_t move_dx_;
  std::int32_t move_dy_;
  int move_bits_;
  int fill_style0_;
  int fill_style1_;
  int line_style_;
  int fill_bits_ = 0;
  int line_bits_ = 0;
};

// Horizontal, vertical (also for a zero-length edge) or general line.
// An edge whose deltas need more than 17 bits is written as several
// consecutive edges that add up to it, so the 4-bit width field never
// overflows.
class StraightEdgeRecord final : public ShapeRecord {
 public:
  StraightEdgeRecord(std::int32_t dx, std::int32_t dy);
  void Write(OutputBuffer& buffer) override;

  bool general_line() const { return general_line_; }
  bool vertical() const { return vertical_; }
  int edge_bits() const { return edge_bits_; }

 private:
  std::int32_t dx_;
  std::int32_t dy_;
  bool general_line_;
  bool vertical_;
  int edge_bits_;
};

// Quadratic curve, deltas relative to the pen. A curve too wide for the
// 4-bit width field is split in halves until every piece fits.
class CurvedEdgeRecord final : public ShapeRecord {
 public:
  CurvedEdgeRecord(std::int32_t control_dx, std::int32_t control_dy, std::int32_t anchor_dx,
                   std::int32_t anchor_dy);
  void Write(OutputBuffer& buffer) override;

  int edge_bits() const { return edge_bits_; }

 private:
  std::int32_t control_dx_;
  std::int32_t control_dy_;
  std::int32_t anchor_dx_;
  std::int32_t anchor_dy_;
  int edge_bits_;
};

// Six zero bits, then aligned.
class EndShapeRecord final : public ShapeRecord {
 public:
  EndShapeRecord() = default;
  void Write(OutputBuffer& buffer) override;
};

// Widest edge the NumBits - 2 field can describe.
inline constexpr int kMaxEdgeBits = 17;

}  // namespace vectrel
