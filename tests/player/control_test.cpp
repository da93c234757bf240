// The control object the editor drives: loading, frame access, playback,
// actions, buttons, sounds and background colour.
#include <gtest/gtest.h>

#include <QPainter>

#include "gui_app.h"
#include "movie_builder.h"
#include "player/flash_player_control.h"
#include "player/player_widget.h"
#include "render_helpers.h"
#include "support/temp_env.h"

namespace playertest {
namespace {

using swfplayer::FlashPlayerControl;
using vectrel::Color;
using vectrel::Matrix;
using vectrel::Rect;

struct Opened {
  QString url;
  QString target;
};

class RecordingOpener final : public swfplayer::UrlOpener {
 public:
  explicit RecordingOpener(std::vector<Opened>& log) : log_(log) {}
  void Open(const QString& url, const QString& target) override { log_.push_back({url, target}); }

 private:
  std::vector<Opened>& log_;
};

struct Played {
  std::uint16_t id;
  std::size_t frames;
  int rate;
};

class RecordingSound final : public swfplayer::SoundOutput {
 public:
  explicit RecordingSound(std::vector<Played>& log) : log_(log) {}
  void Play(std::uint16_t id, std::shared_ptr<const swfplayer::DecodedSound> sound, int) override {
    log_.push_back({id, sound->FrameCount(), sound->rate});
  }
  void Stop(std::uint16_t) override {}
  void StopAll() override {}
  bool IsPlaying(std::uint16_t) override { return false; }

 private:
  std::vector<Played>& log_;
};

class ControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureGuiApplication();
    control_.SetUrlOpener(std::make_unique<RecordingOpener>(opened_));
    control_.SetSoundOutput(std::make_unique<RecordingSound>(played_));
  }

  QString Save(const MovieBuilder& m, const char* name = "movie.swf") {
    return QString::fromStdString(m.Save(testsupport::FreshDir() / name).string());
  }

  // A movie of `frames` frames, each showing its own colour square.
  static MovieBuilder Counting(int frames) {
    MovieBuilder m(40, 40, 15);
    for (int i = 0; i < frames; ++i) {
      m.Rectangle(static_cast<std::uint16_t>(i + 1), Rect{0, 800, 0, 800}, Color(i * 20 % 256, 0, 0, 255));
      if (i > 0) m.Remove(static_cast<std::uint16_t>(i), 1);
      m.Place(1, static_cast<std::uint16_t>(i + 1));
      m.ShowFrame();
    }
    return m;
  }

  FlashPlayerControl control_;
  std::vector<Opened> opened_;
  std::vector<Played> played_;
};

TEST_F(ControlTest, TotalFramesIsValidRightAfterMovieIsSet) {
  control_.SetMovie(Save(Counting(7)));
  EXPECT_EQ(control_.TotalFrames(), 7);
  EXPECT_EQ(control_.FrameNum(), 0);
  EXPECT_TRUE(control_.Playing());
  EXPECT_EQ(control_.MovieSize(), QSize(40, 40));
}

TEST_F(ControlTest, PlaceholderAddressEmptiesThePlayer) {
  const QString path = Save(Counting(3));
  control_.SetMovie(path);
  control_.SetMovie(QStringLiteral("http://"));
  EXPECT_EQ(control_.Movie(), QStringLiteral("http://"));
  EXPECT_EQ(control_.TotalFrames(), 0);
  EXPECT_FALSE(control_.Playing());
  // The same path loads again afterwards.
  control_.SetMovie(path);
  EXPECT_EQ(control_.Movie(), path);
  EXPECT_EQ(control_.TotalFrames(), 3);
}

TEST_F(ControlTest, MissingOrRemoteMoviesLoadNothing) {
  for (const QString& text : {QStringLiteral("/no/such/file.swf"), QStringLiteral("http://example.com/a.swf"),
                              QString()}) {
    control_.SetMovie(text);
    EXPECT_EQ(control_.TotalFrames(), 0) << text.toStdString();
    EXPECT_EQ(control_.loaded_movie(), nullptr);
  }
}

TEST_F(ControlTest, FileUrlLoads) {
  const QString path = Save(Counting(2));
  control_.SetMovie(QStringLiteral("file://") + path);
  EXPECT_EQ(control_.TotalFrames(), 2);
}

TEST_F(ControlTest, FrameNumReadsAndWritesClamped) {
  control_.SetMovie(Save(Counting(5)));
  control_.SetFrameNum(3);
  EXPECT_EQ(control_.FrameNum(), 3);
  EXPECT_EQ(control_.CurrentFrame(), 3);
  control_.GotoFrame(control_.TotalFrames());  // Go To End passes the count
  EXPECT_EQ(control_.FrameNum(), 4);
  control_.SetFrameNum(-2);
  EXPECT_EQ(control_.FrameNum(), 0);
}

TEST_F(ControlTest, BackAndForwardStepAndStop) {
  control_.SetMovie(Save(Counting(3)));
  control_.Forward();
  EXPECT_FALSE(control_.Playing());
  EXPECT_EQ(control_.FrameNum(), 1);
  control_.Forward();
  control_.Forward();
  EXPECT_EQ(control_.FrameNum(), 2);
  control_.Back();
  EXPECT_EQ(control_.FrameNum(), 1);
  control_.Back();
  control_.Back();
  EXPECT_EQ(control_.FrameNum(), 0);
}

TEST_F(ControlTest, PlaybackLoopsOrStopsAtTheEnd) {
  control_.SetMovie(Save(Counting(3)));
  control_.SetLoop(true);
  for (int i = 0; i < 3; ++i) control_.Tick();
  EXPECT_EQ(control_.FrameNum(), 0);
  EXPECT_TRUE(control_.Playing());
  control_.SetLoop(false);
  control_.Tick();
  control_.Tick();
  control_.Tick();
  EXPECT_EQ(control_.FrameNum(), 2);
  EXPECT_FALSE(control_.Playing());
}

TEST_F(ControlTest, StopMethodAndPlayingProperty) {
  control_.SetMovie(Save(Counting(3)));
  control_.Stop();
  EXPECT_FALSE(control_.Playing());
  control_.Tick();
  EXPECT_EQ(control_.FrameNum(), 0);
  control_.SetPlaying(true);
  control_.Tick();
  EXPECT_EQ(control_.FrameNum(), 1);
}

TEST_F(ControlTest, DoActionStopIsHonouredByPlayback) {
  MovieBuilder m = Counting(0);
  for (int i = 0; i < 5; ++i) {
    if (i == 2) m.DoAction(StopAction());
    m.ShowFrame();
  }
  control_.SetMovie(Save(m));
  control_.SetLoop(true);
  for (int i = 0; i < 10; ++i) control_.Tick();
  EXPECT_EQ(control_.FrameNum(), 2);
  EXPECT_FALSE(control_.Playing());
  // Jumping there from outside does not run the frame's actions again.
  control_.SetPlaying(true);
  control_.Tick();
  EXPECT_EQ(control_.FrameNum(), 3);
}

TEST_F(ControlTest, GotoFrameActionJumps) {
  MovieBuilder m(10, 10);
  for (int i = 0; i < 6; ++i) {
    if (i == 1) m.DoAction(GotoFrameAction(4));
    m.ShowFrame();
  }
  control_.SetMovie(Save(m));
  control_.Tick();
  EXPECT_EQ(control_.FrameNum(), 4);
}

TEST_F(ControlTest, ActionThatJumpsToItsOwnFrameDoesNotHang) {
  MovieBuilder m(10, 10);
  m.ShowFrame();
  m.DoAction(GotoFrameAction(1));
  m.ShowFrame();
  control_.SetMovie(Save(m));
  control_.Tick();
  EXPECT_EQ(control_.FrameNum(), 1);
}

TEST_F(ControlTest, GetUrlOpensOnlyWebAndMailAddresses) {
  MovieBuilder m(10, 10);
  m.DoAction(GetUrlAction("http://example.com/", "_blank"));
  m.DoAction(GetUrlAction("file:///etc/passwd", ""));
  m.DoAction(GetUrlAction("javascript:alert(1)", ""));
  m.DoAction(GetUrlAction("mailto:someone@example.com", ""));
  m.DoAction(GetUrlAction("https://example.org/x", ""));
  m.ShowFrame();
  control_.SetMovie(Save(m));
  ASSERT_EQ(opened_.size(), 3u);
  EXPECT_EQ(opened_[0].url, QStringLiteral("http://example.com/"));
  EXPECT_EQ(opened_[0].target, QStringLiteral("_blank"));
  EXPECT_EQ(opened_[1].url, QStringLiteral("mailto:someone@example.com"));
  EXPECT_EQ(opened_[2].url, QStringLiteral("https://example.org/x"));
}

TEST_F(ControlTest, UrlSchemeCheck) {
  const struct {
    const char* url;
    bool openable;
  } cases[] = {{"http://a.b/", true},   {"HTTPS://a.b/c", true}, {"mailto:x@y.z", true},
               {"http://", false},      {"ftp://a.b/", false},   {"file:///tmp/x", false},
               {"javascript:x", false}, {"", false},             {"a.b/c", false}};
  for (const auto& c : cases) EXPECT_EQ(swfplayer::IsOpenableUrl(QString::fromLatin1(c.url)), c.openable) << c.url;
}

TEST_F(ControlTest, ButtonStatesFollowTheMouseAndRunActions) {
  MovieBuilder m(60, 60);
  m.Rectangle(1, Rect{0, 800, 0, 800}, Color(255, 0, 0, 255));
  m.Rectangle(2, Rect{0, 800, 0, 800}, Color(0, 255, 0, 255));
  m.Rectangle(3, Rect{0, 800, 0, 800}, Color(0, 0, 255, 255));
  m.Button2(4, {{1, 1, 1}, {2, 2, 1}, {4, 3, 1}, {8, 1, 2}}, 0x0008, GetUrlAction("http://example.com/", ""));
  m.Place(1, 4, Matrix::Translation(200, 200));
  m.ShowFrame();
  control_.SetMovie(Save(m));
  auto pixel = [&](int x, int y) { return control_.RenderImage(1.0).pixelColor(x, y); };
  EXPECT_EQ(pixel(30, 30), QColor(255, 0, 0));
  control_.MouseMove(QPointF(400, 400));  // twips: inside
  EXPECT_EQ(control_.ButtonStateAt(1), swfplayer::ButtonState::kOver);
  EXPECT_EQ(pixel(30, 30), QColor(0, 255, 0));
  control_.MousePress(QPointF(400, 400));
  EXPECT_EQ(pixel(30, 30), QColor(0, 0, 255));
  EXPECT_TRUE(opened_.empty());
  control_.MouseRelease(QPointF(400, 400));
  ASSERT_EQ(opened_.size(), 1u);  // released over the button
  control_.MouseMove(QPointF(1100, 1100));
  EXPECT_EQ(control_.ButtonStateAt(1), swfplayer::ButtonState::kUp);
  // Pressed inside, released outside: no release action.
  control_.MousePress(QPointF(400, 400));
  control_.MouseRelease(QPointF(1100, 1100));
  EXPECT_EQ(opened_.size(), 1u);
}

TEST_F(ControlTest, BackgroundColorOverridesTheMovieColour) {
  MovieBuilder m(20, 20);
  m.Background(0, 255, 0);
  m.ShowFrame();
  control_.SetMovie(Save(m));
  EXPECT_EQ(control_.BackgroundColor(), -1);
  EXPECT_EQ(control_.RenderImage(1).pixelColor(5, 5), QColor(0, 255, 0));
  control_.SetBackgroundColor(0x0000FF);  // red, laid out 0x00BBGGRR
  EXPECT_EQ(control_.RenderImage(1).pixelColor(5, 5), QColor(255, 0, 0));
  EXPECT_EQ(control_.BGColor(), QStringLiteral("#FF0000"));
  control_.SetBGColor(QString());
  EXPECT_EQ(control_.BackgroundColor(), -1);
  EXPECT_EQ(control_.RenderImage(1).pixelColor(5, 5), QColor(0, 255, 0));
  control_.SetBGColor(QStringLiteral("#0000FF"));
  EXPECT_EQ(control_.BackgroundColor(), 0xFF0000);
}

TEST_F(ControlTest, RenderFitsTheStageIntoTheTarget) {
  MovieBuilder m(40, 20);
  m.Background(0, 0, 255);
  m.Rectangle(1, Rect{0, 400, 0, 400}, Color(255, 0, 0, 255));  // the left 20 x 20 px
  m.Place(1, 1);
  m.ShowFrame();
  control_.SetMovie(Save(m));
  QImage at_size(40, 20, QImage::Format_ARGB32);
  {
    QPainter p(&at_size);
    control_.Render(p, QRectF(0, 0, 40, 20));
  }
  EXPECT_EQ(at_size.pixelColor(5, 5), QColor(255, 0, 0));
  EXPECT_EQ(at_size.pixelColor(30, 5), QColor(0, 0, 255));
  QImage doubled(80, 80, QImage::Format_ARGB32);
  {
    QPainter p(&doubled);
    control_.Render(p, QRectF(0, 0, 80, 80));
  }
  // 80 x 40 stage centred vertically from y 20.
  EXPECT_EQ(doubled.pixelColor(30, 30), QColor(255, 0, 0));
  EXPECT_EQ(doubled.pixelColor(60, 30), QColor(0, 0, 255));
}

TEST_F(ControlTest, StartSoundPlaysTheDecodedSound) {
  MovieBuilder m(10, 10);
  // 8-bit uncompressed mono, 5.5 kHz, 4 samples.
  m.Sound(7, 3, 0, false, false, 4, {128, 160, 200, 255});
  m.ShowFrame();
  m.StartSound(7);
  m.ShowFrame();
  control_.SetMovie(Save(m));
  EXPECT_TRUE(played_.empty());
  control_.Tick();
  ASSERT_EQ(played_.size(), 1u);
  EXPECT_EQ(played_[0].id, 7);
  EXPECT_EQ(played_[0].frames, 4u);
  EXPECT_EQ(played_[0].rate, 5512);
}

}  // namespace
}  // namespace playertest

namespace playertest {
namespace {

TEST(PlayerWidget, ShowsTheMovieAtItsSizeAndCanBeGrabbed) {
  EnsureGuiApplication();
  MovieBuilder m(60, 30);
  m.Background(0, 0, 255);
  m.Rectangle(1, vectrel::Rect{0, 400, 0, 600}, vectrel::Color(255, 0, 0, 255));
  m.Place(1, 1);
  m.ShowFrame();
  const auto path = m.Save(testsupport::FreshDir() / "w.swf");
  swfplayer::PlayerWidget widget;
  widget.control().SetMovie(QString::fromStdString(path.string()));
  EXPECT_EQ(widget.sizeHint(), QSize(60, 30));
  widget.resize(widget.sizeHint());
  const QImage grabbed = widget.grab().toImage();
  ASSERT_EQ(grabbed.size(), QSize(60, 30));
  EXPECT_EQ(grabbed.pixelColor(5, 15), QColor(255, 0, 0));
  EXPECT_EQ(grabbed.pixelColor(40, 15), QColor(0, 0, 255));
}

}  // namespace
}  // namespace playertest

namespace playertest {
namespace {

TEST(TextImages, AMovedTextIsDrawnAtItsNewPlace) {
  EnsureGuiApplication();
  // One square glyph, 20 px, placed at x 10 px, then moved by 30.25 px.
  MovieBuilder m(80, 40);
  m.Font(1, {{QPoint(0, -1024), QPoint(1024, -1024), QPoint(1024, 0), QPoint(0, 0)}});
  m.Text(2, vectrel::Rect{0, 400, -400, 0}, 1, 400, vectrel::Color(0, 0, 0, 255), {{0, 400}});
  m.Place(1, 2, vectrel::Matrix::Translation(200, 600));
  m.ShowFrame();
  m.Remove(2, 1);
  m.Place(1, 2, vectrel::Matrix::Translation(805, 600));
  m.ShowFrame();
  swfplayer::FlashPlayerControl control;
  control.SetMovie(QString::fromStdString(m.Save(testsupport::FreshDir() / "t.swf").string()));
  control.Stop();
  const QImage first = control.RenderImage(1.0);
  EXPECT_TRUE(IsColor(first, 12, 20, 0, 0, 0, 2)) << Describe(first, 12, 20);
  EXPECT_TRUE(IsColor(first, 45, 20, 255, 255, 255, 2));
  control.GotoFrame(1);
  const QImage second = control.RenderImage(1.0);
  EXPECT_TRUE(IsColor(second, 12, 20, 255, 255, 255, 2)) << Describe(second, 12, 20);
  EXPECT_TRUE(IsColor(second, 45, 20, 0, 0, 0, 2)) << Describe(second, 45, 20);
  // The left edge at 40.25 px: the pixel column 40 is three quarters covered.
  EXPECT_NEAR(second.pixelColor(40, 20).red(), 64, 20);
  control.GotoFrame(0);
  EXPECT_EQ(control.RenderImage(1.0), first);
}

}  // namespace
}  // namespace playertest
