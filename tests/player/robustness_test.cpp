// Damaged movies: a fixed corpus of mutations of a valid movie (bit flips,
// cuts, huge lengths and counts) goes through the reader, the renderer and
// the control. None may crash, hang or allocate without bound.
#include <gtest/gtest.h>

#include <QProcess>
#include <algorithm>
#include <fstream>

#include "gui_app.h"
#include "player/flash_player_control.h"
#include "player/headless.h"
#include "player/movie_reader.h"
#include "sample_movies.h"
#include "support/temp_env.h"

namespace playertest {
namespace {

class NoUrls final : public swfplayer::UrlOpener {
 public:
  void Open(const QString&, const QString&) override {}
};

// Deterministic: the corpus is the same on every run.
class XorShift {
 public:
  std::uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  std::size_t Below(std::size_t n) { return n == 0 ? 0 : Next() % n; }

 private:
  std::uint32_t state_ = 0x9E3779B9u;
};

std::vector<Bytes> Corpus(const Bytes& seed) {
  std::vector<Bytes> corpus;
  XorShift rng;
  for (int i = 0; i < 200; ++i) {
    Bytes b = seed;
    const int flips = 1 + static_cast<int>(rng.Below(4));
    for (int f = 0; f < flips; ++f) {
      // Leave the signature alone most of the time so the tags get read.
      const std::size_t at = 3 + rng.Below(b.size() - 3);
      b[at] ^= static_cast<std::uint8_t>(1u << rng.Below(8));
    }
    corpus.push_back(std::move(b));
  }
  for (std::size_t cut = 0; cut < seed.size(); cut += std::max<std::size_t>(1, seed.size() / 60))
    corpus.emplace_back(seed.begin(), seed.begin() + static_cast<std::ptrdiff_t>(cut));
  for (std::size_t at = 21; at + 4 < seed.size(); at += 13) {
    Bytes b = seed;
    b[at] = b[at + 1] = b[at + 2] = b[at + 3] = 0xFF;  // huge lengths and counts
    corpus.push_back(std::move(b));
  }
  return corpus;
}

void Exercise(const Bytes& file) {
  std::string error;
  auto movie = swfplayer::ReadMovie(file, &error);
  if (!movie) return;
  const int w = std::max(1, std::abs(movie->WidthPixels()));
  const int h = std::max(1, std::abs(movie->HeightPixels()));
  const double scale = std::min(1.0, 160.0 / std::max(w, h));
  for (int frame : {0, movie->FrameCount() - 1, movie->FrameCount() / 2})
    (void)swfplayer::RenderMovieFrame(*movie, frame, scale, &error);
  swfplayer::FlashPlayerControl control;
  control.SetUrlOpener(std::make_unique<NoUrls>());
  control.SetSoundOutput(std::make_unique<swfplayer::SilentSoundOutput>());
  control.SetMovieData(file, QStringLiteral("mutant"));
  for (int i = 0; i < 4; ++i) control.Tick();
  control.MouseMove(QPointF(3600, 400));
  control.MousePress(QPointF(3600, 400));
  control.MouseRelease(QPointF(3600, 400));
  control.GotoFrame(control.TotalFrames() - 1);
}

TEST(Robustness, SeedMovieIsValid) {
  EnsureGuiApplication();
  auto movie = swfplayer::ReadMovie(RichMovie());
  ASSERT_TRUE(movie);
  EXPECT_FALSE(movie->damaged);
  EXPECT_EQ(movie->FrameCount(), 2);
  EXPECT_EQ(movie->CharacterCount(), 11u);
}

TEST(Robustness, MutatedMoviesNeverCrash) {
  EnsureGuiApplication();
  const std::vector<Bytes> corpus = Corpus(RichMovie());
  ASSERT_GT(corpus.size(), 250u);
  int readable = 0;
  for (const Bytes& file : corpus) {
    Exercise(file);
    readable += swfplayer::ReadMovie(file) != nullptr;
  }
  // Most mutants still read as movies, so the deeper code was reached.
  EXPECT_GT(readable, static_cast<int>(corpus.size() / 2));
}

TEST(Robustness, MutatedMoviesThroughSwfplayRender) {
  const QString swfplay = QString::fromUtf8(SWFPLAY_PATH);
  const std::vector<Bytes> corpus = Corpus(RichMovie());
  const auto dir = testsupport::FreshDir("mutants");
  // Every 20th mutant: enough to cover each kind of damage through the program.
  for (std::size_t i = 0; i < corpus.size(); i += 20) {
    const auto path = dir / ("m" + std::to_string(i) + ".swf");
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(corpus[i].data()), static_cast<std::streamsize>(corpus[i].size()));
    QProcess p;
    p.start(swfplay, {QStringLiteral("--render"), QString::fromStdString(path.string()), QStringLiteral("--frame"),
                      QStringLiteral("1"), QStringLiteral("--out"),
                      QString::fromStdString((dir / ("m" + std::to_string(i) + ".png")).string()),
                      QStringLiteral("--scale"), QStringLiteral("0.5")});
    ASSERT_TRUE(p.waitForFinished(60000)) << "mutant " << i << " hangs";
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << "mutant " << i << " crashed";
    EXPECT_TRUE(p.exitCode() == 0 || p.exitCode() == 1) << "mutant " << i << ": " << p.exitCode()
                                                         << p.readAllStandardError().toStdString();
  }
}

}  // namespace
}  // namespace playertest
