#pragma once

#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>
#include <span>

#include "player/movie.h"
#include "player/renderer.h"
#include "player/sound_output.h"
#include "player/timeline.h"
#include "player/url_opener.h"

class QPainter;

namespace swfplayer {

// The player the editor drives: loads a movie, plays it by a timer at its
// frame rate, steps and jumps, runs frame and button actions, starts event
// sounds, and draws the current frame.
class FlashPlayerControl : public QObject {
  Q_OBJECT

 public:
  explicit FlashPlayerControl(QObject* parent = nullptr);
  ~FlashPlayerControl() override;

  // A file path (or file: URL) loads synchronously; the bare placeholder
  // address ("http://"), any other URL or an empty text unloads. Reads back
  // what was written.
  QString Movie() const { return movie_text_; }
  void SetMovie(const QString& movie);
  // A movie held in memory (the projector's); `name` is what Movie() reads.
  void SetMovieData(std::span<const std::uint8_t> bytes, const QString& name);

  bool Loop() const { return loop_; }
  void SetLoop(bool loop) { loop_ = loop; }

  // Current frame, from 0. Writing jumps there (clamped) without running
  // the frame's actions.
  int FrameNum() const { return frame_; }
  void SetFrameNum(int frame) { GotoFrame(frame); }

  // A colour laid out 0x00BBGGRR that replaces the movie's background;
  // -1 when the movie's own colour shows.
  int BackgroundColor() const;
  void SetBackgroundColor(int color);

  // Frame count of the loaded movie; 0 when none is loaded.
  int TotalFrames() const;

  bool Playing() const { return playing_; }
  void SetPlaying(bool playing);

  // The same override as text: "#RRGGBB" or "RRGGBB"; empty clears it.
  QString BGColor() const;
  void SetBGColor(const QString& color);

  // Stops playing.
  void Stop() { SetPlaying(false); }
  // One frame back or forward, and stop.
  void Back();
  void Forward();
  void GotoFrame(int frame);
  int CurrentFrame() const { return frame_; }

  // Beyond what the editor uses.
  const swfplayer::Movie* loaded_movie() const { return movie_.get(); }
  QString load_error() const { return load_error_; }
  QSize MovieSize() const;
  double FrameRate() const;
  // What the playback timer does once: the next frame, or the loop back to
  // frame 0, or the stop at the end.
  void Tick();
  // Draws the current frame fitted into `target`, centred, keeping its
  // proportions; the margins take the background colour.
  void Render(QPainter& painter, const QRectF& target);
  QImage RenderImage(double scale);
  // Where `target` (as given to Render) puts the stage: device pixels per
  // twip and the offset.
  QTransform StageToDevice(const QRectF& target) const;

  // Mouse input in stage twips, for buttons.
  void MouseMove(const QPointF& stage_point);
  void MousePress(const QPointF& stage_point);
  void MouseRelease(const QPointF& stage_point);
  void MouseLeave();
  ButtonState ButtonStateAt(std::uint16_t depth) const;

  void SetSoundOutput(std::unique_ptr<SoundOutput> output) { sound_output_ = std::move(output); }
  void SetUrlOpener(std::unique_ptr<UrlOpener> opener) { url_opener_ = std::move(opener); }

 signals:
  void FrameChanged(int frame);
  void MovieChanged();

 private:
  void Unload();
  void Install(std::unique_ptr<swfplayer::Movie> movie);
  void EnterFrame(int frame, int chain);
  void RunActions(const ActionList& actions, int chain);
  void StartSounds(const Frame& frame);
  void SetButtonState(std::uint16_t depth, ButtonState state, std::uint16_t condition);
  std::optional<std::uint16_t> ButtonAt(const QPointF& stage_point);
  const DisplayList& CurrentList();
  Rgba StageBackground();
  void UpdateTimer();

  QString movie_text_;
  QString load_error_;
  std::unique_ptr<swfplayer::Movie> movie_;
  std::unique_ptr<Timeline> timeline_;
  std::unique_ptr<Renderer> renderer_;
  int frame_ = 0;
  bool playing_ = false;
  bool loop_ = true;
  std::optional<Rgba> background_override_;
  QTimer timer_;
  Renderer::ButtonStates button_states_;
  std::optional<std::uint16_t> hovered_;
  std::optional<std::uint16_t> pressed_;
  std::unique_ptr<SoundOutput> sound_output_;
  std::unique_ptr<UrlOpener> url_opener_;
  std::map<std::uint16_t, std::shared_ptr<const DecodedSound>> decoded_sounds_;
};

}  // namespace swfplayer
