#include "player/primitives.h"

namespace swfplayer {

SwfRect ReadRect(BitReader& in) {
  in.Align();
  const int bits = static_cast<int>(in.ReadUBits(5));
  SwfRect r;
  r.x_min = in.ReadSBits(bits);
  r.x_max = in.ReadSBits(bits);
  r.y_min = in.ReadSBits(bits);
  r.y_max = in.ReadSBits(bits);
  in.Align();
  return r;
}

QTransform ReadMatrix(BitReader& in) {
  in.Align();
  double sx = 1, sy = 1, r0 = 0, r1 = 0;
  if (in.ReadUBits(1)) {
    const int bits = static_cast<int>(in.ReadUBits(5));
    sx = in.ReadFixedBits(bits);
    sy = in.ReadFixedBits(bits);
  }
  if (in.ReadUBits(1)) {
    const int bits = static_cast<int>(in.ReadUBits(5));
    r0 = in.ReadFixedBits(bits);
    r1 = in.ReadFixedBits(bits);
  }
  const int bits = static_cast<int>(in.ReadUBits(5));
  const double tx = in.ReadSBits(bits);
  const double ty = in.ReadSBits(bits);
  in.Align();
  // x' = sx*x + r1*y + tx; y' = r0*x + sy*y + ty.
  return QTransform(sx, r0, r1, sy, tx, ty);
}

ColorTransform ReadColorTransform(BitReader& in, bool with_alpha) {
  in.Align();
  ColorTransform cx;
  const bool has_add = in.ReadUBits(1);
  const bool has_mult = in.ReadUBits(1);
  const int bits = static_cast<int>(in.ReadUBits(4));
  const int channels = with_alpha ? 4 : 3;
  if (has_mult)
    for (int i = 0; i < channels; ++i) cx.mult[i] = in.ReadSBits(bits);
  if (has_add)
    for (int i = 0; i < channels; ++i) cx.add[i] = in.ReadSBits(bits);
  in.Align();
  return cx;
}

Rgba ReadRgb(BitReader& in) {
  Rgba c;
  c.r = in.ReadU8();
  c.g = in.ReadU8();
  c.b = in.ReadU8();
  return c;
}

Rgba ReadRgba(BitReader& in) {
  Rgba c = ReadRgb(in);
  c.a = in.ReadU8();
  return c;
}

}  // namespace swfplayer
