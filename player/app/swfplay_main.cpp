// swfplay: plays an SWF movie in a window, renders a frame to PNG without a
// display, prints a movie's header as JSON, or runs as a projector when a
// movie is attached to its own executable.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "player/headless.h"
#include "player/movie_reader.h"
#include "player/player_widget.h"
#include "player/projector.h"

namespace {

std::filesystem::path OwnExecutable() {
  std::error_code ec;
  auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : path;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "swfplay: %s\n", message.c_str());
  return 1;
}

int Usage() {
  std::fprintf(stderr,
               "usage: swfplay FILE.swf\n"
               "       swfplay --render FILE.swf --frame N --out OUT.png [--scale S]\n"
               "       swfplay --info FILE.swf\n");
  return 2;
}

int Play(int argc, char** argv, const std::vector<std::uint8_t>* attached, const QString& file) {
  QApplication app(argc, argv);
  swfplayer::PlayerWidget widget;
  if (attached != nullptr) {
    widget.control().SetMovieData(*attached, QStringLiteral("projector"));
  } else {
    widget.control().SetMovie(file);
  }
  if (!widget.control().loaded_movie()) return Fail(widget.control().load_error().toStdString());
  widget.setWindowTitle(attached != nullptr ? QStringLiteral("swfplay") : QFileInfo(file).fileName());
  if (attached != nullptr) {
    widget.showFullScreen();
  } else {
    widget.resize(widget.sizeHint());
    widget.show();
  }
  return app.exec();
}

int Render(const std::string& file, int frame, double scale, const std::string& out) {
  std::string error;
  auto movie = swfplayer::LoadMovieFile(file, &error);
  if (!movie) return Fail(error);
  QImage image = swfplayer::RenderMovieFrame(*movie, frame, scale, &error);
  if (image.isNull()) return Fail(error);
  if (!image.save(QString::fromStdString(out), "PNG")) return Fail("cannot write " + out);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // A projector plays the movie it carries, whatever its arguments.
  if (auto attached = swfplayer::ReadAttachedMovie(OwnExecutable())) return Play(argc, argv, &*attached, QString());

  std::vector<std::string> args(argv + 1, argv + argc);
  std::string render_file, info_file, out_file, play_file;
  int frame = -1;
  double scale = 1.0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= args.size()) return false;
      into = args[++i];
      return true;
    };
    std::string v;
    if (a == "--render") {
      if (!value(render_file)) return Usage();
    } else if (a == "--info") {
      if (!value(info_file)) return Usage();
    } else if (a == "--out") {
      if (!value(out_file)) return Usage();
    } else if (a == "--frame") {
      if (!value(v)) return Usage();
      char* end = nullptr;
      const long n = std::strtol(v.c_str(), &end, 10);
      if (end == v.c_str() || *end != '\0' || n < 0 || n > 0x7FFFFFFF) return Fail("bad frame number: " + v);
      frame = static_cast<int>(n);
    } else if (a == "--scale") {
      if (!value(v)) return Usage();
      char* end = nullptr;
      scale = std::strtod(v.c_str(), &end);
      if (end == v.c_str() || *end != '\0' || !(scale > 0) || scale > 64) return Fail("bad scale: " + v);
    } else if (!a.empty() && a[0] == '-') {
      return Usage();
    } else {
      play_file = a;
    }
  }

  if (!info_file.empty()) {
    std::string error;
    auto movie = swfplayer::LoadMovieFile(info_file, &error);
    if (!movie) return Fail(error);
    std::printf("%s\n", swfplayer::MovieInfoJson(*movie).c_str());
    return 0;
  }
  if (!render_file.empty()) {
    if (out_file.empty() || frame < 0) return Usage();
    // Headless: no display is needed, whatever the environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return Render(render_file, frame, scale, out_file);
  }
  if (play_file.empty()) return Usage();
  return Play(argc, argv, nullptr, QString::fromLocal8Bit(play_file.c_str()));
}
