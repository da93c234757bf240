#include "vectrel/encoding/shape_records.h"

#include <algorithm>
#include <cstdlib>

namespace vectrel {
namespace {

int EdgeBits(std::initializer_list<std::int32_t> deltas) { return std::max(2, SignedBits(deltas)); }

std::int64_t Magnitude(std::int64_t v) { return v < 0 ? -v : v; }

// Largest delta magnitude one edge can carry (17-bit signed fields).
constexpr std::int64_t kMaxEdgeDelta = (std::int64_t{1} << (kMaxEdgeBits - 1)) - 1;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

void WriteCurvePiece(OutputBuffer& buffer, std::int32_t cx, std::int32_t cy, std::int32_t ax,
                     std::int32_t ay) {
  const int bits = EdgeBits({cx, cy, ax, ay});
  buffer.WriteBits(1, 1);  // TypeFlag: edge
  buffer.WriteBits(0, 1);  // StraightFlag
  buffer.WriteBits(static_cast<std::uint32_t>(bits - 2), 4);
  buffer.WriteBits(static_cast<std::uint32_t>(cx), bits);
  buffer.WriteBits(static_cast<std::uint32_t>(cy), bits);
  buffer.WriteBits(static_cast<std::uint32_t>(ax), bits);
  buffer.WriteBits(static_cast<std::uint32_t>(ay), bits);
}

// Splits at t = 1/2 (de Casteljau) until the pieces fit; the points are
// rounded once each, so the pieces still end exactly at the anchor.
void WriteCurve(OutputBuffer& buffer, std::int64_t cx, std::int64_t cy, std::int64_t ax, std::int64_t ay) {
  const std::int64_t widest =
      std::max({Magnitude(cx), Magnitude(cy), Magnitude(ax), Magnitude(ay)});
  if (widest <= kMaxEdgeDelta) {
    WriteCurvePiece(buffer, static_cast<std::int32_t>(cx), static_cast<std::int32_t>(cy),
                    static_cast<std::int32_t>(ax), static_cast<std::int32_t>(ay));
    return;
  }
  const std::int64_t px2 = cx + ax, py2 = cy + ay;  // end point, relative to the start
  const std::int64_t q1x = FloorDiv(cx, 2), q1y = FloorDiv(cy, 2);
  const std::int64_t mx = FloorDiv(3 * cx + ax, 4), my = FloorDiv(3 * cy + ay, 4);
  const std::int64_t r1x = FloorDiv(2 * cx + ax, 2), r1y = FloorDiv(2 * cy + ay, 2);
  WriteCurve(buffer, q1x, q1y, mx - q1x, my - q1y);
  WriteCurve(buffer, r1x - mx, r1y - my, px2 - r1x, py2 - r1y);
}

}  // namespace

StyleChangeRecord::StyleChangeRecord(bool state_line_style, bool state_fill_style1,
                                     bool state_fill_style0, bool state_move_to, std::int32_t move_dx,
                                     std::int32_t move_dy, int fill_style0, int fill_style1,
                                     int line_style)
    : state_line_style_(state_line_style),
      state_fill_style1_(state_fill_style1),
      state_fill_style0_(state_fill_style0),
      state_move_to_(state_move_to),
      move_dx_(move_dx),
      move_dy_(move_dy),
      move_bits_(SignedBits({move_dx, move_dy})),
      fill_style0_(fill_style0),
      fill_style1_(fill_style1),
      line_style_(line_style) {}

void StyleChangeRecord::Write(OutputBuffer& buffer) {
  buffer.WriteBits(0, 1);  // TypeFlag: non-edge
  buffer.WriteBits(0, 1);  // StateNewStyles
  buffer.WriteBits(state_line_style_ ? 1 : 0, 1);
  buffer.WriteBits(state_fill_style1_ ? 1 : 0, 1);
  buffer.WriteBits(state_fill_style0_ ? 1 : 0, 1);
  buffer.WriteBits(state_move_to_ ? 1 : 0, 1);
  if (state_move_to_) {
    buffer.WriteBits(static_cast<std::uint32_t>(move_bits_), 5);
    buffer.WriteBits(static_cast<std::uint32_t>(move_dx_), move_bits_);
    buffer.WriteBits(static_cast<std::uint32_t>(move_dy_), move_bits_);
  }
  if (state_fill_style0_) buffer.WriteBits(static_cast<std::uint32_t>(fill_style0_), fill_bits_);
  if (state_fill_style1_) buffer.WriteBits(static_cast<std::uint32_t>(fill_style1_), fill_bits_);
  if (state_line_style_) buffer.WriteBits(static_cast<std::uint32_t>(line_style_), line_bits_);
}

StraightEdgeRecord::StraightEdgeRecord(std::int32_t dx, std::int32_t dy) : dx_(dx), dy_(dy) {
  vertical_ = dx == 0;
  general_line_ = !vertical_ && dy != 0;
  if (general_line_) {
    edge_bits_ = EdgeBits({dx, dy});
  } else {
    edge_bits_ = EdgeBits({vertical_ ? dy : dx});
  }
}

void StraightEdgeRecord::Write(OutputBuffer& buffer) {
  if (edge_bits_ > kMaxEdgeBits) {
    // Equal pieces, rounded so that they add up exactly.
    const std::int64_t widest = std::max(Magnitude(dx_), Magnitude(dy_));
    const std::int64_t pieces = (widest + kMaxEdgeDelta - 1) / kMaxEdgeDelta;
    std::int64_t done_x = 0, done_y = 0;
    for (std::int64_t i = 1; i <= pieces; ++i) {
      const std::int64_t to_x = FloorDiv(std::int64_t{dx_} * i, pieces);
      const std::int64_t to_y = FloorDiv(std::int64_t{dy_} * i, pieces);
      StraightEdgeRecord(static_cast<std::int32_t>(to_x - done_x), static_cast<std::int32_t>(to_y - done_y))
          .Write(buffer);
      done_x = to_x;
      done_y = to_y;
    }
    return;
  }
  buffer.WriteBits(1, 1);  // TypeFlag: edge
  buffer.WriteBits(1, 1);  // StraightFlag
  buffer.WriteBits(static_cast<std::uint32_t>(edge_bits_ - 2), 4);
  buffer.WriteBits(general_line_ ? 1 : 0, 1);
  if (general_line_) {
    buffer.WriteBits(static_cast<std::uint32_t>(dx_), edge_bits_);
    buffer.WriteBits(static_cast<std::uint32_t>(dy_), edge_bits_);
  } else {
    buffer.WriteBits(vertical_ ? 1 : 0, 1);
    buffer.WriteBits(static_cast<std::uint32_t>(vertical_ ? dy_ : dx_), edge_bits_);
  }
}

CurvedEdgeRecord::CurvedEdgeRecord(std::int32_t control_dx, std::int32_t control_dy,
                                   std::int32_t anchor_dx, std::int32_t anchor_dy)
    : control_dx_(control_dx),
      control_dy_(control_dy),
      anchor_dx_(anchor_dx),
      anchor_dy_(anchor_dy),
      edge_bits_(EdgeBits({control_dx, control_dy, anchor_dx, anchor_dy})) {}

void CurvedEdgeRecord::Write(OutputBuffer& buffer) {
  WriteCurve(buffer, control_dx_, control_dy_, anchor_dx_, anchor_dy_);
}

void EndShapeRecord::Write(OutputBuffer& buffer) {
  buffer.WriteBits(0, 6);
  buffer.Align();
}

}  // namespace vectrel
