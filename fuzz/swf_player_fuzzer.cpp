// Feeds arbitrary bytes to the SWF reader, then renders the first and last
// frames and plays a few frames through the control.
#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

#include "player/flash_player_control.h"
#include "player/headless.h"
#include "player/movie_reader.h"

namespace {
class NoUrls final : public swfplayer::UrlOpener {
 public:
  void Open(const QString&, const QString&) override {}
};
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::span<const std::uint8_t> bytes(data, size);
  std::string error;
  auto movie = swfplayer::ReadMovie(bytes, &error);
  if (!movie) return 0;
  const int w = std::max(1, std::abs(movie->WidthPixels()));
  const int h = std::max(1, std::abs(movie->HeightPixels()));
  const double scale = std::min(1.0, 128.0 / std::max(w, h));
  (void)swfplayer::RenderMovieFrame(*movie, 0, scale, &error);
  (void)swfplayer::RenderMovieFrame(*movie, movie->FrameCount() - 1, scale, &error);
  swfplayer::FlashPlayerControl control;
  control.SetUrlOpener(std::make_unique<NoUrls>());
  control.SetSoundOutput(std::make_unique<swfplayer::SilentSoundOutput>());
  control.SetMovieData(bytes, QStringLiteral("fuzz"));
  for (int i = 0; i < 3; ++i) control.Tick();
  return 0;
}
