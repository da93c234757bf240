// The headless export end to end: the real server registered into this
// test's own config folder, the cinelume program, and swfplay to read the
// movie back.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <sys/wait.h>
#include <fstream>
#include <string>

#include "generation_fixture.h"
#include "picture_files.h"
#include "platform/server_exports.h"
#include "support/server_module.h"
#include "support/wave_file.h"

namespace documenttest {
namespace {

struct ShellRun {
  int status = -1;
  std::string out;
};

// Runs a command line, stdout and stderr together.
ShellRun Shell(const std::string& command) {
  ShellRun r;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return r;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
  const int rc = pclose(pipe);
  r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  return r;
}

std::string Quote(const std::string& s) { return "'" + s + "'"; }

platform::HRESULT CallServer(const char* entry) { return testsupport::CallModuleEntry(VECTREL_MODULE, entry); }

// A 16-bit mono WAV of a short square wave.
void WriteWav(const std::string& file) {
  ASSERT_TRUE(wavetest::WriteBytes(file, wavetest::MonoPcm16(11025, wavetest::Square(2000, 20, 8000))));
}

class ExportTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(CallServer(platform::kDllRegisterServer), platform::S_OK); }

  ShellRun Export(const std::string& project, const std::string& out) {
    return Shell(Quote(CINELUME_EXE) + " --export " + Quote(project) + " " + Quote(out));
  }
};

// Every text effect, a moving picture and a sound; the red text "MMMM"
// stands still at the bottom left, the rest are small and at the top.
std::string FullProject(const std::string& picture) {
  std::string objects;
  const char* effects[] = {"Come In", "Fade", "Heart Beat", "Kerning", "Move", "Radiation", "Rainbow", "Roll In", "Rotate"};
  int n = 0;
  for (const char* effect : effects) {
    TextFields t;
    t.name = "Text" + std::to_string(++n);
    t.content = "E";
    t.effect = effect;
    t.start = "0";
    t.end = "24";
    t.x = 10 + 15 * n;
    t.y = 20;
    t.size = 10;
    t.color = "16711680";  // blue
    objects += TextObj(t);
  }
  TextFields red;
  red.name = "Text10";
  red.content = "MMMM";
  red.start = "0";
  red.end = "24";
  red.x = 20;
  red.y = 300;
  red.size = 48;
  red.color = "255";
  objects += TextObj(red);
  objects += PicObj(picture, "Move", 0, 24, 300, 150, 80, 60);
  objects += SoundObj("/music/beep.wav");
  std::string text = Project(objects, "false", 600, "", 25);
  text.replace(text.find("<Height>180"), 11, "<Height>400");
  return text;
}

TEST_F(ExportTest, ExportsEveryEffectWithPictureAndSound) {
  const char* temp = std::getenv("temp");
  ASSERT_NE(temp, nullptr);
  WriteWav(std::string(temp) + "/beep.wav_tmp.wav");
  const std::string picture = PictureFile(80, 60, "bmp", QColor(0, 160, 0));
  const std::string project = ProjectFile(FullProject(picture)).string();
  const std::string out = (testsupport::FreshDir("out") / "movie.swf").string();

  const ShellRun run = Export(project, out);
  ASSERT_EQ(run.status, 0) << run.out;

  const ShellRun info = Shell(Quote(SWFPLAY_EXE) + " --info " + Quote(out));
  ASSERT_EQ(info.status, 0) << info.out;
  // Frames 0 to 24, and the stop action in frame 25.
  EXPECT_NE(info.out.find("\"frames\":26"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("\"width\":600"), std::string::npos) << info.out;

  const std::string png = (testsupport::FreshDir("png") / "frame.png").string();
  const ShellRun render = Shell(Quote(SWFPLAY_EXE) + " --render " + Quote(out) + " --frame 25 --out " + Quote(png));
  ASSERT_EQ(render.status, 0) << render.out;
  const QImage image(QString::fromStdString(png));
  ASSERT_EQ(image.width(), 600);
  int red_inside = 0, red_outside = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() < 200 || c.green() > 60 || c.blue() > 60) continue;
      // The top holds the small texts, "Rainbow" among them in random colours.
      if (y < 150) continue;
      const bool inside = x >= 15 && x < 260 && y >= 280 && y < 370;
      (inside ? red_inside : red_outside)++;
    }
  }
  EXPECT_GT(red_inside, 200);
  EXPECT_EQ(red_outside, 0);
}

TEST_F(ExportTest, Failures) {
  const std::string dir = testsupport::FreshDir("fail").string();
  const std::string good = ProjectFile(Project(TextObj(TextFields{}))).string();
  struct Case {
    std::string project, out;
  } cases[] = {
      {dir + "/missing.kvx", dir + "/a.swf"},
      {ProjectFile("<Movie><Width>1</Movie>").string(), dir + "/b.swf"},
      {good, "/nonexistent/dir/c.swf"},
  };
  for (const auto& c : cases) {
    const ShellRun run = Export(c.project, c.out);
    EXPECT_EQ(run.status, 1) << c.project;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
    EXPECT_EQ(run.out.rfind("cinelume: ", 0), 0u) << run.out;
  }
  const ShellRun usage = Shell(Quote(CINELUME_EXE));
  EXPECT_EQ(usage.status, 2);
  EXPECT_NE(usage.out.find("usage:"), std::string::npos);
}

TEST_F(ExportTest, WithoutTheServerRegisteredItSaysSo) {
  const std::string config = testsupport::FreshDir("noconfig").string();
  const std::string good = ProjectFile(Project("")).string();
  const ShellRun run = Shell("XDG_CONFIG_HOME=" + Quote(config) + " " + Quote(CINELUME_EXE) + " --export " + Quote(good) +
                        " " + Quote(config + "/x.swf"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("Vectrel"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace documenttest
