#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "generation_fixture.h"

namespace documenttest {
namespace {

using ::testing::ElementsAre;

// A player that remembers what the document did to it.
class FakePlayer : public cinelume::IPlayerControl {
 public:
  std::string Movie() const override { return movie; }
  void SetMovie(const std::string& m) override {
    movie = m;
    loads.push_back(m);
    frame = 0;
    playing = false;
  }
  bool Loop() const override { return loop; }
  void SetLoop(bool l) override { loop = l; }
  int FrameNum() const override { return frame; }
  void SetFrameNum(int f) override { frame = f; }
  void SetBackgroundColor(int c) override { background = c; }
  int TotalFrames() const override { return movie == kEmptyMovie ? 0 : total; }
  bool Playing() const override { return playing; }
  void SetPlaying(bool p) override { playing = p; }
  void SetBGColor(const std::string& c) override { bgcolor = c; }
  void Stop() override { playing = false; }
  void Back() override {}
  void Forward() override {}
  void GotoFrame(int f) override { frame = f; }
  int CurrentFrame() const override { return frame; }

  std::string movie, bgcolor = "x";
  std::vector<std::string> loads;
  bool loop = false, playing = false;
  int frame = 0, total = 0, background = -1;
};

class PlayerReloadTest : public GenerationTest {
 protected:
  void SetUp() override {
    windows_.Player = &player_;
    GenerationTest::SetUp();
  }
  FakePlayer player_;
};

// A regeneration while the preview is at frame 40 and playing: the reloaded
// movie goes on playing from frame 40.
TEST_F(PlayerReloadTest, RegenerationKeepsFrameAndPlaying) {
  player_.total = 60;
  Open(Project(""));
  player_.loads.clear();
  player_.frame = 40;
  player_.playing = true;
  card_->GenerateMovie("", "");
  EXPECT_THAT(player_.loads, ElementsAre(cinelume::IPlayerControl::kEmptyMovie, card_->SwfFile));
  EXPECT_EQ(player_.frame, 40);
  EXPECT_TRUE(player_.playing);
  EXPECT_EQ(player_.bgcolor, "");
  EXPECT_TRUE(player_.loop);  // the project loops
  EXPECT_EQ(card_->TotalFrames, 60);

  player_.playing = false;
  card_->GenerateMovie("", "");
  EXPECT_FALSE(player_.playing);
}

TEST_F(PlayerReloadTest, PlayModeEmptiesThePlayerAndStopsLooping) {
  card_->BgColor = 0x123456;
  card_->SetMode("Play");
  EXPECT_EQ(player_.background, 0x123456);
  EXPECT_EQ(player_.movie, cinelume::IPlayerControl::kEmptyMovie);
  EXPECT_EQ(card_->Loop, 0);
  EXPECT_FALSE(player_.loop);
}

}  // namespace
}  // namespace documenttest
