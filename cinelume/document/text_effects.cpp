#include "cinelume/document/text_effects.h"

#include <algorithm>
#include <cstdint>

#include "cinelume/document/argument_ranges.h"
#include "cinelume/document/automation_call.h"
#include "cinelume/document/delphi_random.h"
#include "cinelume/document/movie_frames.h"

// The recipes are the editor's signature: their constants and the order of
// their calls are kept as they have always been. Reals go to the writer as
// doubles, which it rounds halves to even; every argument is first clamped
// into its parameter's range. Divisors that would be 0 for a one-frame span
// use 1 instead.

namespace cinelume {

namespace {

using platform::IDispatch;

class Recipe {
 public:
  Recipe(const TTextEffectInput& in, TTextTarget& target) : in_(in), t_(target) {}

  double F() const { return in_.F; }
  double e() const { return in_.e; }
  double s() const { return in_.s; }
  // The divisor e of the recipes that divide by it.
  double E() const { return std::max(in_.e, 1); }

  void MakeWhole() { Make(in_.Content, static_cast<double>(in_.X) * 20); }
  void MakePiece(std::size_t k) {
    Make(in_.Units[k], static_cast<double>(in_.X) * 20 + 28.0 * in_.F * static_cast<double>(k));
  }
  void Fill(double alpha) {
    Call(t_.Text, u"SetSolidFill", in_.R, in_.G, in_.B, ClampByte(alpha));
  }
  void FillRgba(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
    Call(t_.Text, u"SetSolidFill", r, g, b, a);
  }
  void Scale(double a) {
    const double v = ClampLong(a);
    Call(t_.Text, u"Scale", v, v);
  }
  void TranslateLong(std::int64_t x, std::int64_t y) { Call(t_.Text, u"Translate", ClampLong(x), ClampLong(y)); }
  void TranslateReal(double x, double y) { Call(t_.Text, u"Translate", ClampLong(x), ClampLong(y)); }
  void Rotate(std::int64_t degree) { Call(t_.Text, u"Rotate", ClampLong(degree)); }
  void Goto(std::int64_t frame) { t_.Frames->GotoFrame(frame); }
  void GotoReal(double frame) { t_.Frames->GotoFrameReal(frame); }
  void Remove() { t_.Frames->RemoveObject(t_.Text); }
  void Add() { t_.Frames->AddObject(t_.Text); }
  TDelphiRandom& Random() { return *t_.Random; }
  const std::optional<std::uint32_t>& Seed() const { return t_.RainbowSeed; }
  std::size_t Pieces() const { return in_.Units.size(); }
  std::int32_t First() const { return in_.s; }
  std::int32_t Last() const { return in_.e; }
  std::int64_t X() const { return in_.X; }
  std::int64_t Y() const { return in_.Y; }

 private:
  void Make(const std::u16string& text, double x) {
    const double y = static_cast<double>(in_.Y) * 20 + 100;
    const double size = static_cast<double>(in_.F) * 28;
    Call(t_.Text, u"MakeTextSimple", in_.FontName, text, ClampLong(x), ClampLong(y), ClampLong(size));
  }

  const TTextEffectInput& in_;
  TTextTarget& t_;
};

// Fading in: 255 / (e + 1) per frame.
double RisingAlpha(const Recipe& r, std::int32_t i) { return 255.0 / (r.e() + 1) * (i - r.s() + 1); }

void None(Recipe& r) {
  r.MakeWhole();
  r.Fill(255);
  for (std::int32_t i = r.First(); i <= r.Last(); ++i) {
    r.Goto(i);
    r.Remove();
    r.Add();
  }
}

void ComeIn(Recipe& r) {
  for (std::size_t k = 0; k < r.Pieces(); ++k) {
    r.MakePiece(k);
    for (std::int32_t i = r.First(); i <= r.Last(); ++i) {
      r.GotoReal(static_cast<double>(k) * r.e() * 0.25 + i);
      r.Remove();
      r.Scale(r.F() / 28 * 65536 * (2.5 / (r.e() + 1) * (i + 1)));
      r.Fill(255 - RisingAlpha(r, i));
      r.Add();
    }
  }
}

void Fade(Recipe& r) {
  r.MakeWhole();
  for (std::int32_t i = r.First(); i <= r.Last(); ++i) {
    r.Goto(i);
    r.Remove();
    r.Fill(RisingAlpha(r, i));
    r.Add();
  }
}

void HeartBeat(Recipe& r) {
  const std::int32_t m = static_cast<std::int32_t>(std::nearbyint(r.e() / 2));
  for (std::size_t k = 0; k < r.Pieces(); ++k) {
    r.MakePiece(k);
    r.Fill(255);
    for (std::int32_t i = r.First(); i <= m; ++i) {
      r.Goto(i);
      r.Remove();
      r.Scale(r.F() / 28 * 65536 * (i * 2.5 / (r.E() / 2)));
      r.Add();
    }
    // From m, not from s: frames before s are drawn when m < s.
    for (std::int32_t j = m; j <= r.Last(); ++j) {
      r.Goto(j);
      r.Remove();
      const double jj = std::max(j, 1);
      r.Scale(r.F() / 36 * 65536 * 2.5 / (jj / 2 * 2.5 / (r.E() / 2)));
      r.Add();
    }
  }
}

void Kerning(Recipe& r) {
  r.MakeWhole();
  for (std::int32_t i = r.First(); i <= r.Last(); ++i) {
    r.Goto(i);
    r.Remove();
    r.Scale(r.F() / 28 * 65536 * 2 / ((i + 1) * 2.5 / r.E()));
    r.Fill(RisingAlpha(r, i));
    r.Add();
  }
}

void Move(Recipe& r) {
  r.MakeWhole();
  r.Fill(255);
  for (std::int32_t i = r.First(); i <= r.Last(); ++i) {
    r.Goto(i);
    r.Remove();
    r.TranslateLong(r.X() * 20 - 50 * static_cast<std::int64_t>(i) + 4000,
                    (r.Y() - 35) * 20 + static_cast<std::int64_t>(r.F()) * 28);
    r.Add();
  }
}

void Radiation(Recipe& r) {
  r.MakeWhole();
  for (std::int32_t i = r.First(); i <= r.Last(); ++i) {
    r.Goto(i);
    r.Remove();
    r.Scale((i + 10) * 1.1 / r.E() * (r.F() / 28) * 65536);
    r.Fill(255 - RisingAlpha(r, i));
    r.Add();
  }
}

void Rainbow(Recipe& r) {
  if (r.Seed()) {
    r.Random().SetRandSeed(*r.Seed());
  } else {
    r.Random().Randomize();
  }
  for (std::size_t k = 0; k < r.Pieces(); ++k) {
    r.MakePiece(k);
    for (std::int32_t i = r.First(); i <= r.Last(); ++i) {
      r.Goto(i);
      r.Remove();
      const auto a = static_cast<std::uint8_t>(r.Random().Random(255));
      const auto b = static_cast<std::uint8_t>(r.Random().Random(255));
      const auto g = static_cast<std::uint8_t>(r.Random().Random(255));
      const auto red = static_cast<std::uint8_t>(r.Random().Random(255));
      r.FillRgba(red, g, b, a);
      r.Add();
    }
  }
}

void RollIn(Recipe& r) {
  for (std::size_t k = 0; k < r.Pieces(); ++k) {
    r.MakePiece(k);
    r.Fill(255);
    for (std::int32_t i = r.First(); i <= r.Last(); ++i) {
      r.GotoReal(static_cast<double>(k) * 15 * 0.85 + i);
      r.Remove();
      r.TranslateReal(static_cast<double>(r.X()) * 20 - 50.0 * i + 4000,
                      static_cast<double>(r.Y()) * 20 + r.F() * 28);
      r.Add();
    }
  }
}

void Rotate(Recipe& r) {
  r.MakeWhole();
  double m = 4.0;
  for (std::int32_t i = r.First(); i <= r.Last(); ++i) {
    r.Goto(i);
    r.Remove();
    r.Rotate((static_cast<std::int64_t>(r.Last()) - i) * 589824);
    m = (m - 1) / (r.e() - r.s() + 1) * (r.e() - i) + 1;
    r.Scale(m * 65536 * (r.F() / 36));
    // Fully opaque from frame s + 51 on, where 5 per frame reaches 255.
    r.Fill(std::min<std::int64_t>(5 * (static_cast<std::int64_t>(i) - r.First()), 255));
    r.Add();
  }
}

}  // namespace

bool RunTextEffect(std::string_view effect, const TTextEffectInput& text, TTextTarget& target) {
  Recipe r(text, target);
  if (effect == "-- None --") None(r);
  else if (effect == "Come In") ComeIn(r);
  else if (effect == "Fade") Fade(r);
  else if (effect == "Heart Beat") HeartBeat(r);
  else if (effect == "Kerning") Kerning(r);
  else if (effect == "Move") Move(r);
  else if (effect == "Radiation") Radiation(r);
  else if (effect == "Rainbow") Rainbow(r);
  else if (effect == "Roll In") RollIn(r);
  else if (effect == "Rotate") Rotate(r);
  else return false;
  return true;
}

}  // namespace cinelume
