#include "platform/font_lookup.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/codepage.h"
#include "platform/platform_font.h"
#include "support/bytes.h"

namespace platform {
namespace {

bool EndsWith(const std::string& s, std::string_view tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(FontLookup, InstalledFaceResolvesToItself) {
  const FaceLocation face = ResolveFace("Liberation Sans");
  EXPECT_EQ(face.family, "Liberation Sans");
  // Weight 400, not italic: the regular face of the family.
  EXPECT_TRUE(EndsWith(face.file, "LiberationSans-Regular.ttf")) << face.file;
  EXPECT_EQ(face.index, 0);
}

TEST(FontLookup, WindowsSansNamesGetASansTrueTypeSubstitute) {
  const auto families = InstalledTrueTypeFamilies();
  for (const char* name : {"Arial", "Microsoft Sans Serif", "Tahoma", "MS Sans Serif", ""}) {
    const FaceLocation face = ResolveFace(name);
    EXPECT_NE(face.family.find("Sans"), std::string::npos) << name << " -> " << face.family;
    EXPECT_EQ(face.family.find("Mono"), std::string::npos) << name << " -> " << face.family;
    EXPECT_TRUE(std::binary_search(families.begin(), families.end(), face.family)) << face.family;
  }
  EXPECT_EQ(ResolveFace("Arial").family, "Liberation Sans");  // the metric-compatible alias
}

TEST(FontLookup, UnknownNameGetsASubstituteNotAnError) {
  const FaceLocation face = ResolveFace("No Such Face 4711");
  EXPECT_FALSE(face.family.empty());
  EXPECT_FALSE(face.file.empty());
  const auto font = PlatformFont::Create("No Such Face 4711", CodePage::kUtf8);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->Face(), face);
}

TEST(FontLookup, ChineseFaceNamesFindAChineseFace) {
  for (const char* name : {"SimSun", "宋体", "SimHei", "微软雅黑"}) {
    EXPECT_EQ(ResolveFace(name).family, "WenQuanYi Micro Hei") << name;
  }
  // The name arrives in the code page of the caller.
  const auto bytes = testsupport::Hex("CB CE CC E5");  // 宋体 in GBK
  const auto font = PlatformFont::Create(std::string(bytes.begin(), bytes.end()), CodePage::kGbk);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->Face().family, "WenQuanYi Micro Hei");
  EXPECT_TRUE(EndsWith(font->Face().file, ".ttc"));
}

TEST(FontLookup, ListsTheInstalledTrueTypeFamiliesOnce) {
  const auto families = InstalledTrueTypeFamilies();
  EXPECT_TRUE(std::is_sorted(families.begin(), families.end()));
  EXPECT_EQ(std::adjacent_find(families.begin(), families.end()), families.end());
  for (const char* expected : {"Liberation Sans", "Liberation Serif", "DejaVu Sans", "WenQuanYi Micro Hei"}) {
    EXPECT_TRUE(std::binary_search(families.begin(), families.end(), expected)) << expected;
  }
  // Every listed family opens as a TrueType face of that family.
  for (const std::string& family : families) EXPECT_EQ(ResolveFace(family).family, family);
}

}  // namespace
}  // namespace platform
