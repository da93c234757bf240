#include "cinelume/document/value_forms.h"

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "cinelume/document/xml_errors.h"

namespace cinelume {
namespace {

struct IntegerCase {
  const char* text;
  bool ok;
  std::int32_t value;
};

TEST(ValueForms, IntegerTexts) {
  const IntegerCase cases[] = {
      {"0", true, 0},
      {"420", true, 420},
      {"-7", true, -7},
      {"+15", true, 15},
      {"007", true, 7},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, INT32_MIN},
      {"$FF0000", true, 16711680},
      {"$ff", true, 255},
      {"$FFFFFFFF", true, -1},
      {"$80000000", true, INT32_MIN},
      {"-$10", true, -16},
      {"$000000FF", true, 255},
      {" 24", true, 24},
      {"\n  24\n", true, 24},
      {"", false, 0},
      {"   ", false, 0},
      {"abc", false, 0},
      {"12abc", false, 0},
      {"1 2", false, 0},
      {"2147483648", false, 0},
      {"-2147483649", false, 0},
      {"99999999999999999999", false, 0},
      {"$", false, 0},
      {"$100000000", false, 0},
      {"$FG", false, 0},
      {"0x10", false, 0},
      {"-", false, 0},
      {"1.5", false, 0},
  };
  for (const IntegerCase& c : cases) {
    std::int32_t value = 12345;
    EXPECT_EQ(TryStrToInt(c.text, value), c.ok) << "'" << c.text << "'";
    if (c.ok) {
      EXPECT_EQ(value, c.value) << "'" << c.text << "'";
      EXPECT_EQ(StrToInt(c.text), c.value);
    } else {
      EXPECT_EQ(value, 12345) << "a failed conversion leaves the value alone: '" << c.text << "'";
      EXPECT_THROW(StrToInt(c.text), EConvertError) << "'" << c.text << "'";
    }
  }
}

TEST(ValueForms, ConversionErrorQuotesTheTextAndNamesTheElement) {
  try {
    StrToInt("abc", "Movie/Obj[2]/EndTime");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid integer value in Movie/Obj[2]/EndTime");
    EXPECT_EQ(e.Element(), "Movie/Obj[2]/EndTime");
  }
}

TEST(ValueForms, ConversionErrorOfAHugeTextStaysShort) {
  const std::string huge(100000, 'x');
  try {
    StrToInt(huge);
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_LT(std::string(e.what()).size(), 100u);
  }
}

TEST(ValueForms, BackgroundColoursInBothForms) {
  // $FFFFFF and 16777215 are both white; "abc" is no colour (the background reads it as black).
  EXPECT_EQ(ColorFromText("$FFFFFF"), 0xFFFFFF);
  EXPECT_EQ(ColorFromText("16777215"), 0xFFFFFF);
  EXPECT_EQ(ColorFromText("$FF0000"), ColorFromText("16711680"));  // pure blue in 0x00BBGGRR
  std::int32_t color = 0;
  EXPECT_FALSE(TryColorFromText("abc", color));
  EXPECT_EQ(color, 0);
  EXPECT_THROW(ColorFromText("abc", "Movie/Obj/ObjType/ObjText/FontColor"), EConvertError);
  EXPECT_THROW(ColorFromText(""), EConvertError);
}

TEST(ValueForms, ColoursAreWrittenInDecimal) {
  EXPECT_EQ(ColorToText(0xFF0000), "16711680");
  EXPECT_EQ(ColorToText(0), "0");
  EXPECT_EQ(ColorFromText(ColorToText(0x123456)), 0x123456);
}

TEST(ValueForms, Switches) {
  const std::pair<const char*, bool> cases[] = {
      {"true", true}, {"TRUE", true},   {"True", true}, {"tRuE", true}, {"yes", false}, {"1", false},
      {"", false},    {"false", false}, {" true", false}, {"true ", false}, {"TRUEX", false},
  };
  for (const auto& [text, on] : cases) EXPECT_EQ(SwitchFromText(text), on) << "'" << text << "'";
  EXPECT_EQ(SwitchToText(true), "true");
  EXPECT_EQ(SwitchToText(false), "false");
}

}  // namespace
}  // namespace cinelume
