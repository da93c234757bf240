#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/bytes.h"

namespace platform {
namespace {

std::string Bytes(std::string_view hex) {
  const auto bytes = testsupport::Hex(hex);
  return std::string(bytes.begin(), bytes.end());
}

std::string HexOf(std::string_view text) { return testsupport::ToHex(testsupport::Bytes(text.begin(), text.end())); }

// Sets VECTREL_CODEPAGE for one scope.
class CodePageVariable {
 public:
  explicit CodePageVariable(const char* value) {
    if (const char* old = std::getenv("VECTREL_CODEPAGE")) old_ = old;
    if (value != nullptr) {
      setenv("VECTREL_CODEPAGE", value, 1);
    } else {
      unsetenv("VECTREL_CODEPAGE");
    }
  }
  ~CodePageVariable() {
    if (old_) {
      setenv("VECTREL_CODEPAGE", old_->c_str(), 1);
    } else {
      unsetenv("VECTREL_CODEPAGE");
    }
  }

 private:
  std::optional<std::string> old_;
};

TEST(CodePage, NamesAreAcceptedInAnyCase) {
  const struct {
    const char* name;
    std::optional<CodePage> page;
  } cases[] = {
      {"65001", CodePage::kUtf8},         {"utf-8", CodePage::kUtf8},   {"UTF8", CodePage::kUtf8},
      {"1252", CodePage::kWindows1252},   {"cp1252", CodePage::kWindows1252},
      {"Windows-1252", CodePage::kWindows1252}, {"936", CodePage::kGbk}, {"CP936", CodePage::kGbk},
      {"gbk", CodePage::kGbk},            {"", std::nullopt},           {"GB2312", std::nullopt},
      {"1252 ", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(CodePageFromName(c.name), c.page) << c.name;
}

TEST(CodePage, ActivePageComesFromTheEnvironmentAndDefaultsToUtf8) {
  {
    CodePageVariable unset(nullptr);
    EXPECT_EQ(ActiveCodePage(), CodePage::kUtf8);
    EXPECT_EQ(HexOf(WideToAnsi(u"中")), "E4 B8 AD");
  }
  {
    CodePageVariable gbk("GBK");
    EXPECT_EQ(ActiveCodePage(), CodePage::kGbk);
    EXPECT_EQ(HexOf(WideToAnsi(u"中")), "D6 D0");
  }
  {
    CodePageVariable latin("1252");
    EXPECT_EQ(ActiveCodePage(), CodePage::kWindows1252);
  }
  {
    CodePageVariable unknown("koi8-r");
    EXPECT_EQ(ActiveCodePage(), CodePage::kUtf8);
  }
}

TEST(CodePage, ConvertsBothWays) {
  const struct {
    CodePage page;
    std::u16string wide;
    const char* hex;
  } cases[] = {
      {CodePage::kUtf8, u"Aé中", "41 C3 A9 E4 B8 AD"},
      {CodePage::kUtf8, u"\U0001F600", "F0 9F 98 80"},
      {CodePage::kWindows1252, u"é", "E9"},
      {CodePage::kWindows1252, u"€", "80"},
      {CodePage::kWindows1252, u"\u0081\u008D\u008F\u0090\u009D", "81 8D 8F 90 9D"},
      {CodePage::kWindows1252, u"ÿ", "FF"},
      {CodePage::kGbk, u"中文", "D6 D0 CE C4"},
      {CodePage::kGbk, u"a€", "61 80"},
      {CodePage::kGbk, u"\uF8F5", "FF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HexOf(WideToAnsi(c.wide, c.page)), c.hex);
    EXPECT_EQ(AnsiToWide(Bytes(c.hex), c.page), c.wide) << c.hex;
  }
}

TEST(CodePage, UnmappableCharactersBecomeQuestionMarks) {
  const struct {
    CodePage page;
    std::u16string wide;
    const char* ansi;
  } cases[] = {
      {CodePage::kWindows1252, u"a中b", "a?b"},
      {CodePage::kWindows1252, u"\u221E", "?"},  // no best fit: not "8"
      {CodePage::kWindows1252, u"\U0001F600", "?"},
      {CodePage::kGbk, u"\U0001F600x", "?x"},
      {CodePage::kWindows1252, u"x\xD800y", "x?y"},  // lone surrogates
      {CodePage::kUtf8, u"\xDC00", "?"},
      {CodePage::kUtf8, u"a\xD83D", "a?"},
  };
  for (const auto& c : cases) EXPECT_EQ(WideToAnsi(c.wide, c.page), c.ansi);
}

TEST(CodePage, EveryWindows1252ByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::u16string wide = AnsiToWide(all, CodePage::kWindows1252);
  ASSERT_EQ(wide.size(), 256u);
  EXPECT_EQ(wide[0x80], u'€');
  EXPECT_EQ(wide[0xE9], u'é');
  EXPECT_EQ(WideToAnsi(wide, CodePage::kWindows1252), all);
}

TEST(CodePage, InvalidBytesDecodeToReplacementCharacters) {
  const struct {
    CodePage page;
    const char* hex;
    std::u16string wide;
  } cases[] = {
      {CodePage::kUtf8, "E4 B8", u"\uFFFD\uFFFD"},        // truncated
      {CodePage::kUtf8, "C0 AF", u"\uFFFD\uFFFD"},        // overlong
      {CodePage::kUtf8, "ED A0 80", u"\uFFFD\uFFFD\uFFFD"},  // encoded surrogate
      {CodePage::kUtf8, "E9 41", u"\uFFFDA"},
      {CodePage::kGbk, "D6", u"\uFFFD"},                  // lead byte at the end
      {CodePage::kGbk, "D6 0A", u"\uFFFD\n"},             // a line break is no trail byte
  };
  for (const auto& c : cases) EXPECT_EQ(AnsiToWide(Bytes(c.hex), c.page), c.wide) << c.hex;
}

TEST(CodePage, CharacterLengthsAndCodes) {
  const struct {
    CodePage page;
    const char* hex;
    std::size_t pos;
    std::size_t length;
    std::uint32_t code;
    char32_t code_point;
  } cases[] = {
      {CodePage::kUtf8, "41", 0, 1, 0x41, U'A'},
      {CodePage::kUtf8, "C3 A9", 0, 2, 0xC3A9, U'é'},
      {CodePage::kUtf8, "E4 B8 AD", 0, 3, 0xE4B8AD, U'中'},
      {CodePage::kUtf8, "F0 9F 98 80", 0, 4, 0xF09F9880, U'\U0001F600'},
      {CodePage::kUtf8, "E4 B8 AD", 1, 1, 0xB8, kReplacementCodePoint},
      {CodePage::kUtf8, "FF", 0, 1, 0xFF, kReplacementCodePoint},
      {CodePage::kUtf8, "41", 1, 0, 0, 0},
      {CodePage::kWindows1252, "E4 B8 AD", 0, 1, 0xE4, U'ä'},
      {CodePage::kWindows1252, "80", 0, 1, 0x80, U'€'},
      {CodePage::kGbk, "D6 D0", 0, 2, 0xD6D0, U'中'},
      {CodePage::kGbk, "D6 41", 0, 2, 0xD641, U'諥'},  // trail bytes include ASCII letters
      {CodePage::kGbk, "41 D6", 1, 1, 0xD6, kReplacementCodePoint},
      {CodePage::kGbk, "80", 0, 1, 0x80, U'€'},
  };
  for (const auto& c : cases) {
    const std::string text = Bytes(c.hex);
    EXPECT_EQ(CharacterLength(text, c.pos, c.page), c.length) << c.hex << " at " << c.pos;
    EXPECT_EQ(CharacterCode(text, c.pos, c.page), c.code) << c.hex << " at " << c.pos;
    EXPECT_EQ(CharacterCodePoint(text, c.pos, c.page), c.code_point) << c.hex << " at " << c.pos;
    if (c.length > 0) {
      EXPECT_EQ(CodePointOfCode(c.code, c.page), c.code_point) << c.hex;
    }
  }
}

TEST(CodePage, NeverReadsPastTheEndOfTheView) {
  const std::string buffer = Bytes("E4 B8 AD D6 D0");
  const std::string_view utf8 = std::string_view(buffer).substr(0, 2);
  EXPECT_EQ(CharacterLength(utf8, 0, CodePage::kUtf8), 1u);
  EXPECT_EQ(CharacterCodePoint(utf8, 0, CodePage::kUtf8), kReplacementCodePoint);
  const std::string_view gbk = std::string_view(buffer).substr(3, 1);
  EXPECT_EQ(CharacterLength(gbk, 0, CodePage::kGbk), 1u);
  EXPECT_EQ(CharacterCode(gbk, 0, CodePage::kGbk), 0xD6u);
}

TEST(CodePage, CodeWhoseHighByteStartsNoCharacterCountsByItsLowByte) {
  EXPECT_EQ(CodePointOfCode(0x4142, CodePage::kWindows1252), U'B');
  EXPECT_EQ(CodePointOfCode(0x4142, CodePage::kGbk), U'B');
  EXPECT_EQ(CodePointOfCode(0x4142, CodePage::kUtf8), U'B');
  EXPECT_EQ(CodePointOfCode(0x20, CodePage::kUtf8), U' ');
}

TEST(CodePage, AnsiToUtf8) {
  EXPECT_EQ(HexOf(AnsiToUtf8(Bytes("CB CE CC E5"), CodePage::kGbk)), "E5 AE 8B E4 BD 93");  // 宋体
  EXPECT_EQ(HexOf(AnsiToUtf8(Bytes("E9"), CodePage::kWindows1252)), "C3 A9");
  EXPECT_EQ(AnsiToUtf8("Arial", CodePage::kUtf8), "Arial");
}

}  // namespace
}  // namespace platform
