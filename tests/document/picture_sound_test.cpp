#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "cinelume/document/flash_pic.h"
#include "cinelume/document/flash_sound.h"
#include "generation_fixture.h"
#include "picture_files.h"

namespace documenttest {
namespace {

using ::testing::ElementsAre;
using Calls = std::vector<std::string>;

class PictureTest : public GenerationTest {
 protected:
  std::string Jpeg() const { return globals_.UntitledPath + ".jpg"; }
  std::string Make(int x, int y, int w, int h) const {
    return "Picture.MakePicture(" + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(x + w) + "," +
           std::to_string(y + h) + "," + std::to_string(w / 20) + "," + std::to_string(h / 20) + "," + Jpeg() + ")";
  }
  // The left edges (pixels) of the picture's MakePicture calls.
  Calls Lefts() const {
    Calls out;
    for (const auto& c : log_->With("Picture.MakePicture(")) {
      out.push_back(std::to_string(std::stoi(c.substr(std::string("Picture.MakePicture(").size())) / 20));
    }
    return out;
  }
};

TEST_F(PictureTest, NoneIsRemadeEveryFrameAndRemovedAtItsEnd) {
  const std::string bmp = PictureFile(30, 40, "bmp");
  const Calls calls = From(Generate(Project(PicObj(bmp, "-- None --", 0, 1))), "Movie.GotoFrame(0)");
  EXPECT_THAT(calls, ElementsAre("Movie.GotoFrame(0)", "Movie.SetFrameBkColor(255,255,255)", "Movie.GotoFrame(0)",
                                 Make(200, 400, 600, 800), "Movie.AddObject(Picture)",
                                 "Movie.GotoFrame(1)", "Movie.RemoveObject(Picture)", Make(200, 400, 600, 800),
                                 "Movie.AddObject(Picture)", "Movie.GotoFrame(1)", "Movie.RemoveObject(Picture)"));
  EXPECT_TRUE(errors_.messages.empty());
}

TEST_F(PictureTest, MoveSlidesTwoPixelsPerFrame) {
  const std::string bmp = PictureFile(30, 40, "bmp");
  Generate(Project(PicObj(bmp, "Move", 0, 2, 300)));
  EXPECT_THAT(Lefts(), ElementsAre("300", "298", "296"));
  Generate(Project(PicObj(bmp, "Move", 0, 149, 300)));
  const Calls lefts = Lefts();
  ASSERT_EQ(lefts.size(), 150u);
  EXPECT_EQ(lefts.back(), "2");
}

TEST_F(PictureTest, ComeInAndComeOutSlideAcrossTheMovie) {
  const std::string bmp = PictureFile(30, 40, "bmp");
  Generate(Project(PicObj(bmp, "Come In", 0, 4, 100)));
  EXPECT_THAT(Lefts(), ElementsAre("420", "340", "260", "180", "100"));
  Generate(Project(PicObj(bmp, "Come Out", 0, 4, 100)));
  EXPECT_THAT(Lefts(), ElementsAre("100", "68", "35", "2", "-30"));  // 67.5 and 2.5 to even
}

TEST_F(PictureTest, EndAtOrPastTotalFramesKeepsThePicture) {
  const std::string bmp = PictureFile(30, 40, "bmp");
  const Calls calls = Generate(Project(PicObj(bmp, "-- None --", 0, 1), "true", 420, "", 1));
  EXPECT_EQ(log_->With("Movie.RemoveObject").size(), 1u);  // in frame 1 only
  EXPECT_EQ(calls[calls.size() - 2], "Movie.AddObject(Picture)");
}

TEST_F(PictureTest, UnknownEffectStillSendsTheFinalRemoval) {
  const std::string bmp = PictureFile(30, 40, "bmp");
  const Calls calls = From(Generate(Project(PicObj(bmp, "Spin", 0, 3))), "Movie.SetFrameBkColor");
  EXPECT_THAT(calls, ElementsAre("Movie.SetFrameBkColor(255,255,255)", "Movie.GotoFrame(3)", "Movie.RemoveObject(Picture)"));
}

TEST_F(PictureTest, WithoutContentNothingIsSent) {
  const Calls calls = Generate(Project(PicObj("", "-- None --", 0, 3)));
  EXPECT_TRUE(log_->With("Movie.RemoveObject").empty());
  EXPECT_TRUE(log_->With("Picture.").empty());
}

// A picture that cannot be used is left out with its message; the objects
// after it still come out and nothing is drawn with an older JPEG.
TEST_F(PictureTest, UnusablePicturesAreSkipped) {
  const std::string good = PictureFile(30, 40, "bmp");
  const std::string png = PictureFile(30, 40, "png");
  const std::string big = PictureFile(801, 600, "bmp");
  struct Case {
    std::string content;
    std::string message;
  } cases[] = {
      {"/nonexistent/picture.bmp", cinelume::TFlashPic::kCannotUse},
      {png, cinelume::TFlashPic::kCannotUse},
      {big, "This picture width>800 or height>600!"},
  };
  for (const auto& c : cases) {
    TextFields after;
    after.name = "Text9";
    Generate(Project(PicObj(good, "-- None --", 0, 0, 10, 20, 30, 40, "Pic1") +
                     PicObj(c.content, "-- None --", 0, 0, 50, 20, 30, 40, "Pic2") + TextObj(after)));
    EXPECT_EQ(log_->With("Picture.MakePicture").size(), 1u) << c.content;
    EXPECT_EQ(log_->With("Text.MakeTextSimple").size(), 1u) << c.content;
    EXPECT_THAT(errors_.messages, ElementsAre(c.message)) << c.content;
  }
}

TEST_F(PictureTest, BackgroundPictureIsCentredInFrameZero) {
  const std::string bmp = PictureFile(100, 40, "bmp");
  const Calls calls = Generate(Project("", "true", 421, bmp));
  // x = round(160.5) = 160, y = 70.
  EXPECT_THAT(From(calls, "Picture."),
              ElementsAre("Picture.MakePicture(3200,1400,5200,2200,100,40," + Jpeg() + ")", "Movie.AddObject(Picture)"));
  const std::string wide = PictureFile(500, 300, "bmp");
  EXPECT_EQ(From(Generate(Project("", "true", 420, wide)), "Picture.").front(),
            "Picture.MakePicture(0,0,10000,6000,500,300," + Jpeg() + ")");
}

// The background (and any picture drawn before) keeps showing when a
// picture object starts: its first frame removes nothing.
TEST_F(PictureTest, FirstFrameOfAPictureRemovesNothing) {
  const std::string bg = PictureFile(100, 40, "bmp");
  const std::string bmp = PictureFile(30, 40, "bmp");
  const Calls calls = From(Generate(Project(PicObj(bmp, "-- None --", 20, 21), "true", 420, bg)), "Movie.GotoFrame(20)");
  EXPECT_THAT(calls, ElementsAre("Movie.GotoFrame(20)", Make(200, 400, 600, 800), "Movie.AddObject(Picture)",
                                 "Movie.GotoFrame(21)", "Movie.RemoveObject(Picture)", Make(200, 400, 600, 800),
                                 "Movie.AddObject(Picture)", "Movie.GotoFrame(21)", "Movie.RemoveObject(Picture)"));
}

TEST_F(PictureTest, UnreadableBackgroundIsLeftOutAndObjectsStillComeOut) {
  Generate(Project(TextObj(TextFields{}), "true", 420, "/nonexistent/bg.bmp"));
  EXPECT_TRUE(log_->With("Picture.").empty());
  EXPECT_EQ(log_->With("Text.MakeTextSimple").size(), 1u);
  EXPECT_THAT(errors_.messages, ElementsAre(cinelume::TFlashPic::kCannotUse));
}

class SoundTest : public GenerationTest {};

TEST_F(SoundTest, WavCopyName) {
  using cinelume::TFlashSound;
  EXPECT_EQ(TFlashSound::WavCopyOf("/t/", "C:\\a\\voice.wav"), "/t/voice.wav_tmp.wav");
  EXPECT_EQ(TFlashSound::WavCopyOf("/t/", "D:\\music\\song.mp3"), "/t/song.mp3_tmp.wav");
  EXPECT_EQ(TFlashSound::WavCopyOf("/t/", "/home/u/song.mp3"), "/t/song.mp3_tmp.wav");
}

TEST_F(SoundTest, EverySoundStartsInFrameZeroInDocumentOrder) {
  for (const char* name : {"one.wav", "two.mp3"}) {
    std::ofstream(globals_.TempDir + name + "_tmp.wav") << "RIFF";
  }
  TextFields text;
  text.start = "5";
  text.end = "5";
  const Calls calls =
      From(Generate(Project(TextObj(text) + SoundObj("C:\\x\\one.wav") + SoundObj("/music/two.mp3", "Sound2"))),
           "Movie.AddObject(Text)");
  EXPECT_THAT(calls, ElementsAre("Movie.AddObject(Text)", "Movie.GotoFrame(0)",
                                 "Picture.MakeSound(" + globals_.TempDir + "one.wav_tmp.wav)",
                                 "Movie.AddObject(Picture)", "Movie.GotoFrame(0)",
                                 "Picture.MakeSound(" + globals_.TempDir + "two.mp3_tmp.wav)",
                                 "Movie.AddObject(Picture)"));
}

TEST_F(SoundTest, MissingWavCopyIsReportedAndSkipped) {
  TextFields after;
  Generate(Project(SoundObj("/music/missing.mp3") + TextObj(after)));
  EXPECT_TRUE(log_->With("Picture.").empty());
  EXPECT_EQ(log_->With("Text.MakeTextSimple").size(), 1u);
  EXPECT_THAT(errors_.messages, ElementsAre(cinelume::TFlashSound::kCannotUse));
}

TEST_F(SoundTest, FailingMakeSoundIsReportedAndGenerationGoesOn) {
  std::ofstream(globals_.TempDir + "bad.wav_tmp.wav") << "RIFF";
  Open(Project(SoundObj("bad.wav") + TextObj(TextFields{})));
  log_->fail_on = "Picture.MakeSound";
  card_->GenerateMovie("", "");
  EXPECT_TRUE(log_->With("Movie.AddObject(Picture)").empty());
  EXPECT_EQ(log_->With("Text.MakeTextSimple").size(), 1u);
  EXPECT_THAT(errors_.messages, ElementsAre(cinelume::TFlashSound::kCannotUse));
}

TEST_F(SoundTest, EmptyContentOnlyGoesToFrameZero) {
  const Calls calls = From(Generate(Project(SoundObj(""))), "Movie.SetFrameBkColor");
  EXPECT_THAT(calls, ElementsAre("Movie.SetFrameBkColor(255,255,255)", "Movie.GotoFrame(0)"));
}

}  // namespace
}  // namespace documenttest
