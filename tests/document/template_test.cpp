#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "cinelume/document/xml_unit.h"
#include "project_files.h"
#include "support/temp_env.h"

namespace cinelume {
namespace {

using documenttest::ReadText;

std::filesystem::path SourceTemplate(const char* name) {
  return testsupport::SourceDir() / "cinelume" / "template" / name;
}

// Where the build puts them: template/ beside the programs.
std::filesystem::path InstalledTemplate(const char* name) {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path() / "template" / name;
}

// Reads the background as the document does and checks the documented values.
void ExpectTemplateBackground(TXMLMovie movie) {
  EXPECT_GE(movie.TotalFrames(), 1);
  EXPECT_EQ(ColorFromText(movie.BgColor()), 0xFFFFFF);  // white
  EXPECT_EQ(movie.BgPic(), "");
  EXPECT_EQ(movie.Width(), 420);
  EXPECT_EQ(movie.Height(), 180);
  EXPECT_EQ(movie.Rate(), 15);
  EXPECT_TRUE(SwitchFromText(movie.Loop()));
}

TEST(Templates, AreInstalledBesideTheProgram) {
  for (const char* name : {"blank.kvx", "normal.kvx"}) {
    ASSERT_TRUE(std::filesystem::exists(InstalledTemplate(name))) << InstalledTemplate(name);
    EXPECT_EQ(ReadText(InstalledTemplate(name)), ReadText(SourceTemplate(name))) << name;
  }
}

TEST(Templates, BlankIsABackgroundWithoutObjects) {
  const std::string original = ReadText(SourceTemplate("blank.kvx"));
  TXMLDocument document;
  document.LoadFromFile(SourceTemplate("blank.kvx"));
  TXMLMovie movie = GetMovie(document);
  ExpectTemplateBackground(movie);
  EXPECT_EQ(movie.Obj().Count(), 0);
  EXPECT_EQ(document.SaveToText(), original);  // nothing the editor reads was missing
}

TEST(Templates, NormalHasTwoTextsWithEffects) {
  const std::string original = ReadText(SourceTemplate("normal.kvx"));
  TXMLDocument document;
  document.LoadFromFile(SourceTemplate("normal.kvx"));
  TXMLMovie movie = GetMovie(document);
  ExpectTemplateBackground(movie);

  const std::set<std::string> effects = {"Come In", "Fade",    "Heart Beat", "Kerning", "Move",
                                         "Radiation", "Rainbow", "Roll In",    "Rotate"};
  TXMLObjList objects = movie.Obj();
  ASSERT_EQ(objects.Count(), 2);
  std::set<std::string> used;
  for (int i = 0; i < objects.Count(); ++i) {
    TXMLObj obj = objects.Item(i);
    EXPECT_EQ(obj.ObjTypeName(), "Text");
    EXPECT_EQ(obj.ObjName(), "Text" + std::to_string(i + 1));
    EXPECT_EQ(obj.Layer(), 2);
    TXMLObjText text = obj.ObjType().ObjText();
    EXPECT_FALSE(text.Content().empty());
    EXPECT_FALSE(text.FontName().empty());
    EXPECT_GT(text.FontSize(), 0);
    ColorFromText(text.FontColor());
    EXPECT_GE(text.PositionX(), 0);
    EXPECT_LT(text.PositionX(), 420);
    EXPECT_GE(text.PositionY(), 0);
    EXPECT_LT(text.PositionY(), 180);
    EXPECT_EQ(effects.count(text.EffectName()), 1u) << text.EffectName();
    used.insert(text.EffectName());
    EXPECT_EQ(text.EffectValue(), "");
    EXPECT_EQ(text.TextUnit(), 1);
    EXPECT_EQ(obj.StartTime(), 0);
    EXPECT_LT(obj.EndTime(), movie.TotalFrames());
  }
  EXPECT_EQ(used.size(), 2u) << "two different effects";
  EXPECT_EQ(MakeUniqueName(objects, "Text"), "Text3");
  EXPECT_EQ(document.SaveToText(), original);  // nothing the editor reads was missing
}

}  // namespace
}  // namespace cinelume
