#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cinelume/document/flash_text.h"
#include "cinelume/document/movie_frames.h"
#include "generation_fixture.h"

namespace documenttest {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

using Calls = std::vector<std::string>;

// The argument list of each call to `name` (e.g. "Movie.GotoFrame").
Calls ArgsOf(const Calls& calls, const std::string& name) {
  Calls out;
  for (const auto& c : calls) {
    if (c.rfind(name + "(", 0) == 0) out.push_back(c.substr(name.size() + 1, c.size() - name.size() - 2));
  }
  return out;
}

// The last argument of each call to `name`.
Calls LastArgOf(const Calls& calls, const std::string& name) {
  Calls out;
  for (const auto& a : ArgsOf(calls, name)) out.push_back(a.substr(a.rfind(',') + 1));
  return out;
}

Calls Range(int from, int to) {
  Calls out;
  for (int i = from; i <= to; ++i) out.push_back(std::to_string(i));
  return out;
}

TextFields Text(const std::string& effect, const std::string& content, int s, int e) {
  TextFields t;
  t.effect = effect;
  t.content = content;
  t.start = std::to_string(s);
  t.end = std::to_string(e);
  return t;
}

class TextEffectTest : public GenerationTest {
 protected:
  Calls Recipe(const TextFields& t) { return From(Generate(Project(TextObj(t))), "Text."); }
};

TEST_F(TextEffectTest, NoneStandsStillOpaque) {
  EXPECT_THAT(Recipe(Text("-- None --", "AB", 0, 1)),
              ElementsAre("Text.MakeTextSimple(Arial,AB,200,500,560)", "Text.SetSolidFill(255,0,0,255)",
                          "Movie.GotoFrame(0)", "Movie.RemoveObject(Text)", "Movie.AddObject(Text)",
                          "Movie.GotoFrame(1)", "Movie.RemoveObject(Text)", "Movie.AddObject(Text)"));
}

TEST_F(TextEffectTest, FadeRaisesAlphaPerFrame) {
  const Calls calls = Recipe(Text("Fade", "AB", 0, 24));
  EXPECT_EQ(calls.front(), "Text.MakeTextSimple(Arial,AB,200,500,560)");
  const Calls alphas = LastArgOf(calls, "Text.SetSolidFill");
  ASSERT_EQ(alphas.size(), 25u);
  EXPECT_EQ(alphas.front(), "10");  // 10.2
  EXPECT_EQ(alphas.back(), "255");
  EXPECT_EQ(calls[1], "Movie.GotoFrame(0)");  // no fill before the loop
  EXPECT_EQ(LastArgOf(Recipe(Text("Fade", "AB", 10, 24)), "Text.SetSolidFill").back(), "153");
}

TEST_F(TextEffectTest, ComeInPiecesStartLaterAndShrinkTheirAlpha) {
  for (const auto& [end, starts] : std::vector<std::pair<int, Calls>>{{24, {"0", "6", "12"}}, {25, {"0", "6", "12"}}}) {
    const Calls calls = Recipe(Text("Come In", "ABC", 0, end));
    EXPECT_THAT(ArgsOf(calls, "Text.MakeTextSimple"),
                ElementsAre("Arial,A,200,500,560", "Arial,B,760,500,560", "Arial,C,1320,500,560"));
    const Calls frames = ArgsOf(calls, "Movie.GotoFrame");
    const std::size_t span = static_cast<std::size_t>(end) + 1;
    ASSERT_EQ(frames.size(), 3 * span);
    EXPECT_EQ((Calls{frames[0], frames[span], frames[2 * span]}), starts) << "e = " << end;
  }
  const Calls calls = Recipe(Text("Come In", "A", 0, 24));
  EXPECT_THAT(std::vector<std::string>(calls.begin(), calls.begin() + 6),
              ElementsAre("Text.MakeTextSimple(Arial,A,200,500,560)", "Movie.GotoFrame(0)", "Movie.RemoveObject(Text)",
                          "Text.Scale(4681,4681)", "Text.SetSolidFill(255,0,0,245)", "Movie.AddObject(Text)"));
}

TEST_F(TextEffectTest, HeartBeatGrowsThenShrinks) {
  const Calls calls = Recipe(Text("Heart Beat", "A", 0, 24));
  Calls frames = Range(0, 12);
  for (const auto& f : Range(12, 24)) frames.push_back(f);
  EXPECT_THAT(ArgsOf(calls, "Movie.GotoFrame"), ElementsAreArray(frames));
  const Calls scales = ArgsOf(calls, "Text.Scale");
  EXPECT_EQ(scales[0], "0,0");
  EXPECT_EQ(scales[12], "117029,117029");
  EXPECT_EQ(scales[13], "72818,72818");
  EXPECT_EQ(scales.back(), "36409,36409");
  EXPECT_EQ(calls[1], "Text.SetSolidFill(255,0,0,255)");

  // The growing loop is empty and the shrinking one starts at m = 20.
  EXPECT_THAT(ArgsOf(Recipe(Text("Heart Beat", "A", 30, 40)), "Movie.GotoFrame"), ElementsAreArray(Range(20, 40)));
}

TEST_F(TextEffectTest, KerningShrinksWhileFadingIn) {
  const Calls calls = Recipe(Text("Kerning", "AB", 0, 24));
  const Calls scales = ArgsOf(calls, "Text.Scale");
  ASSERT_EQ(scales.size(), 25u);
  EXPECT_EQ(scales.front(), "898779,898779");
  EXPECT_EQ(scales.back(), "35951,35951");
  EXPECT_EQ(LastArgOf(calls, "Text.SetSolidFill").front(), "10");
}

TEST_F(TextEffectTest, MoveSlidesLeftFromTwoHundredPixelsRight) {
  TextFields t = Text("Move", "AB", 0, 2);
  t.x = 100;
  EXPECT_THAT(ArgsOf(Recipe(t), "Text.Translate"), ElementsAre("6000,260", "5950,260", "5900,260"));
}

TEST_F(TextEffectTest, RadiationGrowsWhileFadingOut) {
  const Calls calls = Recipe(Text("Radiation", "AB", 0, 24));
  EXPECT_EQ(ArgsOf(calls, "Text.Scale").front(), "21455,21455");
  EXPECT_EQ(LastArgOf(calls, "Text.SetSolidFill").front(), "245");
}

TEST_F(TextEffectTest, RainbowDrawsDelphiRandomsInOrderAlphaBlueGreenRed) {
  const Calls calls = Recipe(Text("Rainbow", "A", 0, 1));
  EXPECT_THAT(ArgsOf(calls, "Text.SetSolidFill"), ElementsAre("51,219,8,0", "41,81,171,69"));
}

TEST_F(TextEffectTest, RollInPiecesFollowOneAnother) {
  const Calls calls = Recipe(Text("Roll In", "ABC", 0, 0));
  EXPECT_THAT(ArgsOf(calls, "Movie.GotoFrame"), ElementsAre("0", "13", "26"));  // 12.75, 25.5
  EXPECT_THAT(ArgsOf(calls, "Text.Translate"), ElementsAre("4200,960", "4200,960", "4200,960"));
}

TEST_F(TextEffectTest, RotateSpinsBackAndFadesIn) {
  const Calls calls = Recipe(Text("Rotate", "AB", 0, 49));
  const Calls degrees = ArgsOf(calls, "Text.Rotate");
  EXPECT_EQ(degrees.front(), "28901376");  // 441 * 65536
  EXPECT_EQ(degrees.back(), "0");
  EXPECT_EQ(ArgsOf(calls, "Text.Scale").back(), "36409,36409");  // m = 1
  const Calls alphas = LastArgOf(calls, "Text.SetSolidFill");
  EXPECT_EQ(alphas.front(), "0");
  EXPECT_EQ(alphas.back(), "245");
  // Beyond 52 frames the alpha stays at 255 instead of leaving its byte.
  EXPECT_EQ(LastArgOf(Recipe(Text("Rotate", "AB", 0, 99)), "Text.SetSolidFill").back(), "255");
}

TEST_F(TextEffectTest, EmptyContent) {
  for (const char* effect : {"Come In", "Heart Beat", "Rainbow", "Roll In"}) {
    Generate(Project(TextObj(Text(effect, "", 0, 3))));
    EXPECT_TRUE(log_->With("Text.").empty()) << effect;
  }
  for (const char* effect : {"-- None --", "Fade", "Kerning", "Move", "Radiation", "Rotate"}) {
    const Calls calls = Recipe(Text(effect, "", 0, 3));
    ASSERT_FALSE(calls.empty()) << effect;
    EXPECT_EQ(calls.front(), "Text.MakeTextSimple(Arial,,200,500,560)") << effect;
    EXPECT_EQ(ArgsOf(calls, "Movie.AddObject").size(), 4u) << effect;
  }
}

TEST_F(TextEffectTest, TextUnitTwoMakesFivePiecesTwoOfThemEmpty) {
  TextFields t = Text("Roll In", "ABCDE", 0, 0);
  t.unit = 2;
  EXPECT_THAT(ArgsOf(Recipe(t), "Text.MakeTextSimple"),
              ElementsAre("Arial,AB,200,500,560", "Arial,CD,760,500,560", "Arial,E,1320,500,560",
                          "Arial,,1880,500,560", "Arial,,2440,500,560"));
}

TEST_F(TextEffectTest, UnknownOrLowerCaseEffectDrawsNothing) {
  for (const char* effect : {"fade", ""}) {
    Generate(Project(TextObj(Text(effect, "AB", 0, 3))));
    EXPECT_TRUE(log_->With("Text.").empty()) << effect;
  }
}

// e = 0 would divide by zero; the recipes use 1 and every argument stays in
// its parameter's range.
TEST_F(TextEffectTest, OneFrameSpansStayInRange) {
  for (const char* effect : {"Heart Beat", "Kerning", "Radiation"}) {
    for (int end : {0, 1}) {
      const Calls calls = Recipe(Text(effect, "A", 0, end));
      const Calls scales = ArgsOf(calls, "Text.Scale");
      ASSERT_FALSE(scales.empty()) << effect;
      for (const auto& s : scales) {
        const long long v = std::stoll(s.substr(0, s.find(',')));
        EXPECT_GE(v, 0) << effect;
        EXPECT_LE(v, 2147483647LL) << effect;
      }
      EXPECT_TRUE(errors_.messages.empty());
    }
  }
}

TEST_F(TextEffectTest, HugeEndTimeIsClampedWithOneWarning) {
  const Calls calls = Recipe(Text("-- None --", "A", 0, 1000000000));
  const Calls frames = ArgsOf(calls, "Movie.GotoFrame");
  ASSERT_EQ(frames.size(), 65535u);
  EXPECT_EQ(frames.back(), "65534");
  EXPECT_THAT(errors_.messages, ElementsAre(cinelume::TMovieFrames::kClampWarning));
}

TEST_F(TextEffectTest, NegativeStartTimeStartsAtFrameZero) {
  const Calls calls = Recipe(Text("-- None --", "A", -5, 1));
  EXPECT_THAT(ArgsOf(calls, "Movie.GotoFrame"), ElementsAre("0", "1"));
  EXPECT_EQ(errors_.messages.size(), 1u);
}

TEST(SplitContentTest, Pieces) {
  using cinelume::SplitContent;
  EXPECT_THAT(SplitContent(u"ABCDE", 2), ElementsAre(u"AB", u"CD", u"E", u"", u""));
  EXPECT_THAT(SplitContent(u"AB", 1), ElementsAre(u"A", u"B"));
  EXPECT_TRUE(SplitContent(u"", 1).empty());
  // A unit below 1 would never end the loop.
  EXPECT_THAT(SplitContent(u"AB", 0), ElementsAre(u"A", u"B"));
  // A surrogate pair stays whole: "a", U+1F600, "b".
  const std::u16string smile = u"a\U0001F600b";
  EXPECT_THAT(SplitContent(smile, 1), ElementsAre(u"a", u"\U0001F600", u"b", u""));
  EXPECT_THAT(SplitContent(smile, 2), ElementsAre(u"a\U0001F600", u"b", u"", u""));
}

}  // namespace
}  // namespace documenttest
