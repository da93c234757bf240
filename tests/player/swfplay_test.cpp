// The swfplay program: --info, --render, errors and the projector.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <filesystem>
#include <fstream>

#include "movie_builder.h"
#include "render_helpers.h"
#include "support/bytes.h"
#include "support/temp_env.h"

namespace playertest {
namespace {

using vectrel::Color;
using vectrel::Rect;

QString Swfplay() { return QString::fromUtf8(SWFPLAY_PATH); }

struct Outcome {
  int code = -1;
  std::string out;
  std::string err;
};

Outcome Start(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  Outcome r;
  if (!p.waitForFinished(60000)) {
    p.kill();
    p.waitForFinished();
    return r;
  }
  r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
  r.out = p.readAllStandardOutput().toStdString();
  r.err = p.readAllStandardError().toStdString();
  return r;
}

QString Path(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

std::filesystem::path SquareMovie() {
  MovieBuilder m(120, 60, 15);
  m.Background(255, 255, 255);
  m.Rectangle(1, Rect{200, 600, 200, 600}, Color(255, 0, 0, 255));
  m.Place(1, 1);
  m.ShowFrame();
  m.ShowFrame();
  return m.Save(testsupport::FreshDir() / "square.swf");
}

TEST(Swfplay, InfoPrintsOneLineOfJson) {
  const Outcome r = Start(Swfplay(), {QStringLiteral("--info"), Path(SquareMovie())});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "{\"version\":5,\"width\":120,\"height\":60,\"rate\":15,\"frames\":2}\n");
}

TEST(Swfplay, RenderWritesThePngAtTheScale) {
  const auto out = testsupport::FreshDir() / "frame.png";
  const Outcome r = Start(Swfplay(), {QStringLiteral("--render"), Path(SquareMovie()), QStringLiteral("--frame"),
                                  QStringLiteral("1"), QStringLiteral("--out"), Path(out), QStringLiteral("--scale"),
                                  QStringLiteral("2")});
  ASSERT_EQ(r.code, 0) << r.err;
  const QImage image(Path(out));
  ASSERT_EQ(image.size(), QSize(240, 120));
  EXPECT_TRUE(IsColor(image, 40, 40, 255, 0, 0)) << Describe(image, 40, 40);
  EXPECT_TRUE(IsColor(image, 80, 40, 255, 255, 255)) << Describe(image, 80, 40);
}

TEST(Swfplay, ErrorsExitWithOne) {
  const auto dir = testsupport::FreshDir();
  const auto junk = dir / "junk.swf";
  std::ofstream(junk) << "this is not a movie";
  const auto movie = SquareMovie();
  const struct {
    QStringList args;
    const char* why;
  } cases[] = {
      {{QStringLiteral("--render"), Path(dir / "missing.swf"), QStringLiteral("--frame"), QStringLiteral("0"),
        QStringLiteral("--out"), Path(dir / "a.png")},
       "missing file"},
      {{QStringLiteral("--render"), Path(junk), QStringLiteral("--frame"), QStringLiteral("0"), QStringLiteral("--out"),
        Path(dir / "b.png")},
       "not a movie"},
      {{QStringLiteral("--render"), Path(movie), QStringLiteral("--frame"), QStringLiteral("2"), QStringLiteral("--out"),
        Path(dir / "c.png")},
       "frame out of range"},
      {{QStringLiteral("--info"), Path(junk)}, "info of a non-movie"},
  };
  for (const auto& c : cases) {
    const Outcome r = Start(Swfplay(), c.args);
    EXPECT_EQ(r.code, 1) << c.why;
    EXPECT_FALSE(r.err.empty()) << c.why;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "c.png"));
}

TEST(Swfplay, ProjectorPlaysItsAttachedMovieWhateverTheArguments) {
  const auto dir = testsupport::FreshDir();
  const auto exe = dir / "projector";
  std::filesystem::copy_file(Swfplay().toStdString(), exe);
  Bytes movie = testsupport::ReadFileBytes(SquareMovie());
  const auto n = static_cast<std::uint32_t>(movie.size());
  {
    std::ofstream out(exe, std::ios::binary | std::ios::app);
    out.write(reinterpret_cast<const char*>(movie.data()), static_cast<std::streamsize>(movie.size()));
    const std::uint8_t trailer[8] = {0x56, 0x34, 0x12, 0xFA, static_cast<std::uint8_t>(n),
                                     static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n >> 16), 0};
    out.write(reinterpret_cast<const char*>(trailer), 8);
  }
  // "--info" would print JSON and exit at once; the projector ignores it and plays.
  QProcess p;
  p.start(Path(exe), {QStringLiteral("--info"), QStringLiteral("whatever")});
  ASSERT_TRUE(p.waitForStarted());
  EXPECT_FALSE(p.waitForFinished(1500)) << p.readAllStandardError().toStdString();
  EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
  p.kill();
  p.waitForFinished();
}

}  // namespace
}  // namespace playertest
