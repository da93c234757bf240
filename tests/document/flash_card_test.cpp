#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "cinelume/document/flash_pic.h"
#include "cinelume/document/flash_text.h"
#include "cinelume/document/xml_errors.h"
#include "generation_fixture.h"
#include "platform/registry.h"
#include "support/bytes.h"

namespace documenttest {
namespace {

using ::testing::ElementsAre;
using Calls = std::vector<std::string>;

class FlashCardTest : public GenerationTest {};

TEST_F(FlashCardTest, FreshDocumentDefaults) {
  const cinelume::TFlashCard& card = *card_;
  EXPECT_EQ(card.Width, 420);
  EXPECT_EQ(card.Height, 180);
  EXPECT_EQ(card.Rate, 15);
  EXPECT_EQ(card.BgColor, 0);
  EXPECT_EQ(card.Loop, 0);
  EXPECT_EQ(card.Modified, 0);
  EXPECT_EQ(card.WorkFile, globals_.UntitledPath + ".kvx");
  EXPECT_EQ(card.SwfFile, globals_.UntitledPath + ".swf");
  EXPECT_EQ(card.ProjectName, globals_.UntitledPath);
  EXPECT_EQ(globals_.UntitledPath, globals_.TempDir + "Untitled");
}

TEST_F(FlashCardTest, ProjectWithoutObjectsWritesTheBackgroundOnly) {
  EXPECT_THAT(Generate(Project("")), ElementsAre("Movie.SetSize(8400,3600)", "Movie.SetFrameRate(15)",
                                                 "Movie.GotoFrame(0)", "Movie.SetFrameBkColor(255,255,255)",
                                                 "Movie.WriteMovie(" + card_->SwfFile + ")"));
}

TEST_F(FlashCardTest, StopActionGoesJustPastTheLastFrameWritten) {
  TextFields text;
  text.end = "30";  // the file says 100 frames; this generation writes 31
  const Calls calls = Generate(Project(TextObj(text), "false"), "All");
  EXPECT_THAT(From(calls, "Movie.GotoFrame(31)"),
              ElementsAre("Movie.GotoFrame(31)", "Action.MakeActionStop()", "Movie.AddAction(Action)"));
  EXPECT_TRUE(log_->With("Action.").empty() == false);

  Generate(Project(TextObj(text), "true"), "All");
  EXPECT_TRUE(log_->With("Action.").empty());  // loops
  Generate(Project(TextObj(text), "false"), "Preview");
  EXPECT_TRUE(log_->With("Action.").empty());
  // Nothing but the background: the stop goes into frame 1.
  EXPECT_THAT(From(Generate(Project("", "false"), "All"), "Action."),
              ElementsAre("Action.MakeActionStop()", "Movie.AddAction(Action)"));
  EXPECT_EQ(log_->With("Movie.GotoFrame").back(), "Movie.GotoFrame(1)");
}

TEST_F(FlashCardTest, ExportTargetReplacesSwfFile) {
  Open(Project(""));
  card_->GenerateMovie("All", "/somewhere/out.swf");
  EXPECT_EQ(log_->calls.back(), "Movie.WriteMovie(/somewhere/out.swf)");
}

// The second of three objects has an EndTime that is not a number: the
// first is emitted, the rest are not, the movie is still written.
TEST_F(FlashCardTest, NonNumericEndTimeEndsEmissionButTheMovieIsWritten) {
  TextFields first, second, third;
  first.content = "first";
  second.content = "second";
  second.end = "soon";
  third.content = "third";
  const Calls calls = Generate(Project(TextObj(first) + TextObj(second) + TextObj(third)));
  EXPECT_THAT(log_->With("Text.MakeTextSimple"), ElementsAre("Text.MakeTextSimple(Arial,first,200,500,560)"));
  EXPECT_EQ(calls.back(), "Movie.WriteMovie(" + card_->SwfFile + ")");
}

TEST_F(FlashCardTest, FailingAutomationCallEndsEmissionButTheMovieIsWritten) {
  TextFields first, second;
  second.content = "second";
  Open(Project(TextObj(first) + TextObj(second)));
  log_->fail_on = "Text.SetSolidFill";
  card_->GenerateMovie("", "");
  EXPECT_EQ(log_->With("Text.MakeTextSimple").size(), 1u);
  EXPECT_EQ(log_->calls.back(), "Movie.WriteMovie(" + card_->SwfFile + ")");
}

TEST_F(FlashCardTest, UnknownKindsAreSkipped) {
  const std::string odd =
      "<Obj><ObjName>X</ObjName><StartTime>0</StartTime><EndTime>1</EndTime><ObjTypeName>Shape</ObjTypeName></Obj>";
  Generate(Project(odd + TextObj(TextFields{})));
  EXPECT_EQ(log_->With("Text.MakeTextSimple").size(), 1u);
}

TEST_F(FlashCardTest, BadProjectFiles) {
  // Not well-formed.
  card_->SourceFile = ProjectFile("<Movie><Width>420</Movie>").string();
  EXPECT_THROW(card_->SetMode("Edit"), cinelume::EProjectFileError);
  // Missing.
  card_->SourceFile = (testsupport::FreshDir() / "missing.kvx").string();
  EXPECT_THROW(card_->SetMode("Edit"), cinelume::EProjectFileError);
  // No Obj elements at all: background only.
  EXPECT_EQ(Generate(Project("")).size(), 5u);
}

TEST_F(FlashCardTest, LoopComesFromTheFileInEditMode) {
  for (const auto& [text, loop] : std::vector<std::pair<std::string, int>>{
           {"TRUE", 1}, {"true", 1}, {"True", 1}, {"no", 0}, {"1", 0}, {"", 0}}) {
    Open(Project("", text));
    EXPECT_EQ(card_->Loop, loop) << text;
  }
}

TEST_F(FlashCardTest, BgColorThatIsNotANumberIsBlack) {
  std::string text = Project("");
  text.replace(text.find("16777215"), 8, "abc");
  Open(text);
  EXPECT_EQ(card_->BgColor, 0);
  text.replace(text.find("abc"), 3, "$FFFFFF");
  Open(text);
  EXPECT_EQ(card_->BgColor, 0xFFFFFF);
}

TEST_F(FlashCardTest, ModifiedFollowsTheWorkingCopy) {
  Open(Project(""));
  EXPECT_EQ(card_->Modified, 0);
  card_->Width = 500;
  card_->SaveToXml();
  EXPECT_EQ(card_->Modified, 1);
  EXPECT_NE(ReadText(card_->WorkFile).find("<Width>500</Width>"), std::string::npos);

  card_->ProjectName = (testsupport::FreshDir("saved") / "movie").string();
  card_->Save();
  EXPECT_EQ(card_->Modified, 0);
  EXPECT_NE(ReadText(card_->ProjectName + ".kvx").find("<Width>500</Width>"), std::string::npos);
  EXPECT_EQ(log_->calls.back(), "Movie.WriteMovie(" + card_->ProjectName + ".swf)");

  cinelume::TFlashText text(*card_);
  text.Insert(3);
  EXPECT_EQ(card_->Modified, 1);
  Open(Project(""));
  EXPECT_EQ(card_->Modified, 0);
}

TEST_F(FlashCardTest, InsertedObjectsGetTheirDefaultsAndNames) {
  Open(Project(TextObj(TextFields{})));
  cinelume::TFlashText text(*card_);
  text.Insert(7);
  EXPECT_EQ(text.ObjName, "Text2");
  cinelume::TFlashText loaded(*card_);
  loaded.LoadFromXml(1);
  EXPECT_EQ(loaded.StartTime, 7);
  EXPECT_EQ(loaded.EndTime, 31);
  EXPECT_EQ(loaded.FontColor, 0xFF0000);
  EXPECT_EQ(loaded.FontName, "Microsoft Sans Serif");
  EXPECT_EQ(loaded.EffectName, "-- None --");
}

// A Chinese text written back from its view reloads unchanged.
TEST_F(FlashCardTest, TextViewRoundTripKeepsNonLatinContent) {
  Open(Project(TextObj(TextFields{})));
  cinelume::TFlashText text(*card_);
  text.LoadFromXml(0);
  text.Content = u"\u4f60\u597d\U0001F600";
  text.ObjName = "Text1";
  text.SaveToXml();  // no library: written back to its own name
  cinelume::TFlashText again(*card_);
  card_->SourceFile.clear();
  card_->SetMode("Edit");
  again.LoadFromXml(0);
  EXPECT_EQ(again.Content, text.Content);
}

class FakeLibrary : public cinelume::ILibraryTree {
 public:
  std::string SelectedName() const override { return selected; }
  void AddNode(const std::string& name) override { nodes.push_back(name); }
  void SelectLast() override { selected = nodes.empty() ? "" : nodes.back(); }
  std::string selected;
  std::vector<std::string> nodes;
};

// Write-back goes to the object named like the library's selection, and
// only when it is of the view's kind; the working copy is saved either way.
TEST_F(FlashCardTest, WriteBackFollowsTheLibrarySelection) {
  FakeLibrary library;
  windows_.Library = &library;
  card_ = std::make_unique<cinelume::TFlashCard>(globals_, windows_);
  Open(Project(TextObj(TextFields{}) + PicObj("", "-- None --", 0, 1)));
  cinelume::TFlashText text(*card_);
  text.LoadFromXml(0);
  text.Content = u"changed";

  library.selected = "Pic1";
  text.SaveToXml();
  EXPECT_EQ(card_->Modified, 1);
  EXPECT_EQ(ReadText(card_->WorkFile).find("changed"), std::string::npos);

  library.selected = "Text1";
  text.SaveToXml();
  EXPECT_NE(ReadText(card_->WorkFile).find("<Content>changed</Content>"), std::string::npos);

  cinelume::TFlashText inserted(*card_);
  inserted.Insert(0);
  EXPECT_THAT(library.nodes, ElementsAre("Text2"));
  EXPECT_EQ(library.selected, "Text2");
}

TEST(GlobalUnitTest, TempDirFromEnvironment) {
  const char* saved_temp = std::getenv("temp");
  const std::string temp = saved_temp ? saved_temp : "";
  const char* saved_tmpdir = std::getenv("TMPDIR");
  const std::string tmpdir = saved_tmpdir ? saved_tmpdir : "";

  setenv("temp", "/var/x/", 1);
  EXPECT_EQ(cinelume::TempDirFromEnvironment(), "/var/x/");
  unsetenv("temp");
  setenv("TMPDIR", "/var/y", 1);
  EXPECT_EQ(cinelume::TempDirFromEnvironment(), "/var/y/");
  unsetenv("TMPDIR");
  EXPECT_EQ(cinelume::TempDirFromEnvironment(), "/tmp/");
  setenv("temp", "/", 1);  // never the root
  EXPECT_EQ(cinelume::TempDirFromEnvironment(), "/tmp/");

  setenv("temp", temp.c_str(), 1);
  setenv("TMPDIR", tmpdir.c_str(), 1);
}

TEST(GlobalUnitTest, LastOpenDirRoundTripsThroughTheRegistry) {
  cinelume::TGlobalVars vars;
  platform::RegistryKey::Delete(platform::RegistryHive::kCurrentUser, cinelume::kCommonKey);
  cinelume::InitGlobalVars(vars, "/opt/cinelume");
  EXPECT_EQ(vars.LastOpenDir, "/opt/cinelume/library");
  vars.LastOpenDir = "/home/me/pictures";
  ASSERT_TRUE(cinelume::SaveLastOpenDir(vars));
  cinelume::TGlobalVars again;
  cinelume::InitGlobalVars(again, "/opt/cinelume");
  EXPECT_EQ(again.LastOpenDir, "/home/me/pictures");
}

TEST(MovieSizeTest, FromTheFrameRectangle) {
  // N = 15, Xmin 0, Xmax 8400, Ymin 0, Ymax 3600.
  const auto rect = testsupport::Hex("78 00 04 1A 00 00 07 08 00");
  std::vector<std::uint8_t> bytes = testsupport::Hex("46 57 53 05 19 00 00 00");
  bytes.insert(bytes.end(), rect.begin(), rect.end());
  bytes.resize(40, 0);
  const auto file = testsupport::FreshDir() / "movie.swf";
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const cinelume::TMovieSize size = cinelume::MovieSizeFromSwf(file.string());
  EXPECT_EQ(size.Width, 420);
  EXPECT_EQ(size.Height, 180);

  const auto shortfile = testsupport::FreshDir() / "short.swf";
  std::ofstream(shortfile, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), 12);
  EXPECT_THROW(cinelume::MovieSizeFromSwf(shortfile.string()), cinelume::EMovieFileError);
  EXPECT_THROW(cinelume::MovieSizeFromSwf("/nonexistent.swf"), cinelume::EMovieFileError);
}

}  // namespace
}  // namespace documenttest
