#include "player/flash_player_control.h"

#include <QPainter>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "player/button.h"
#include "player/movie_reader.h"
#include "player/qt_sound_output.h"
#include "player/sound.h"

namespace swfplayer {
namespace {

// Jumps that actions may chain within one frame step before the player
// stops following them (a frame that jumps to itself).
constexpr int kMaxActionChain = 16;

bool IsBareSchemePrefix(const QString& text) {
  static const QRegularExpression prefix(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(//)?$"));
  return prefix.match(text.trimmed()).hasMatch();
}

}  // namespace

FlashPlayerControl::FlashPlayerControl(QObject* parent) : QObject(parent) {
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &FlashPlayerControl::Tick);
}

FlashPlayerControl::~FlashPlayerControl() {
  if (sound_output_) sound_output_->StopAll();
}

void FlashPlayerControl::Unload() {
  timer_.stop();
  if (sound_output_) sound_output_->StopAll();
  renderer_.reset();
  timeline_.reset();
  movie_.reset();
  decoded_sounds_.clear();
  button_states_.clear();
  hovered_.reset();
  pressed_.reset();
  frame_ = 0;
  playing_ = false;
  load_error_.clear();
}

void FlashPlayerControl::SetMovie(const QString& text) {
  Unload();
  movie_text_ = text;
  const QString trimmed = text.trimmed();
  QString path;
  if (trimmed.isEmpty() || IsBareSchemePrefix(trimmed)) {
    // The placeholder: nothing loaded.
  } else if (trimmed.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
    path = QUrl(trimmed).toLocalFile();
  } else if (trimmed.contains(QLatin1String("://"))) {
    load_error_ = QStringLiteral("only local files are played");
  } else {
    path = trimmed;
  }
  if (!path.isEmpty()) {
    std::string error;
    movie_ = LoadMovieFile(path.toStdString(), &error);
    if (!movie_) load_error_ = QString::fromStdString(error);
  }
  Install(std::move(movie_));
}

void FlashPlayerControl::SetMovieData(std::span<const std::uint8_t> bytes, const QString& name) {
  Unload();
  movie_text_ = name;
  std::string error;
  auto movie = ReadMovie(bytes, &error);
  if (!movie) load_error_ = QString::fromStdString(error);
  Install(std::move(movie));
}

void FlashPlayerControl::Install(std::unique_ptr<swfplayer::Movie> movie) {
  movie_ = std::move(movie);
  if (movie_) {
    timeline_ = std::make_unique<Timeline>(movie_->timeline);
    renderer_ = std::make_unique<Renderer>(*movie_);
    playing_ = true;
    EnterFrame(0, 0);
    UpdateTimer();
  }
  emit MovieChanged();
  emit FrameChanged(frame_);
}

int FlashPlayerControl::TotalFrames() const { return movie_ ? movie_->FrameCount() : 0; }

QSize FlashPlayerControl::MovieSize() const {
  return movie_ ? QSize(std::max(1, movie_->WidthPixels()), std::max(1, movie_->HeightPixels())) : QSize();
}

double FlashPlayerControl::FrameRate() const {
  // A rate of 0 (or a damaged one) plays at 12 frames per second.
  if (!movie_ || !(movie_->frame_rate >= 0.01)) return 12.0;
  return std::min(movie_->frame_rate, 120.0);
}

void FlashPlayerControl::UpdateTimer() {
  if (playing_ && movie_) {
    const int interval = std::max(1, static_cast<int>(std::lround(1000.0 / FrameRate())));
    if (!timer_.isActive() || timer_.interval() != interval) timer_.start(interval);
  } else {
    timer_.stop();
  }
}

void FlashPlayerControl::SetPlaying(bool playing) {
  playing_ = playing && movie_ != nullptr;
  UpdateTimer();
}

int FlashPlayerControl::BackgroundColor() const {
  if (!background_override_) return -1;
  const Rgba& c = *background_override_;
  return c.r | (c.g << 8) | (c.b << 16);
}

void FlashPlayerControl::SetBackgroundColor(int color) {
  if (color < 0) {
    background_override_.reset();
  } else {
    background_override_ = Rgba{static_cast<std::uint8_t>(color & 0xFF), static_cast<std::uint8_t>((color >> 8) & 0xFF),
                                static_cast<std::uint8_t>((color >> 16) & 0xFF), 255};
  }
  emit FrameChanged(frame_);
}

QString FlashPlayerControl::BGColor() const {
  if (!background_override_) return QString();
  const Rgba& c = *background_override_;
  return QStringLiteral("#%1%2%3")
      .arg(c.r, 2, 16, QLatin1Char('0'))
      .arg(c.g, 2, 16, QLatin1Char('0'))
      .arg(c.b, 2, 16, QLatin1Char('0'))
      .toUpper();
}

void FlashPlayerControl::SetBGColor(const QString& color) {
  QString hex = color.trimmed();
  if (hex.startsWith(QLatin1Char('#'))) hex.remove(0, 1);
  bool ok = false;
  const int value = hex.toInt(&ok, 16);
  if (hex.isEmpty() || !ok || hex.size() != 6) {
    background_override_.reset();
  } else {
    background_override_ = Rgba{static_cast<std::uint8_t>((value >> 16) & 0xFF),
                                static_cast<std::uint8_t>((value >> 8) & 0xFF), static_cast<std::uint8_t>(value & 0xFF),
                                255};
  }
  emit FrameChanged(frame_);
}

void FlashPlayerControl::GotoFrame(int frame) {
  if (!movie_) return;
  frame_ = std::clamp(frame, 0, TotalFrames() - 1);
  emit FrameChanged(frame_);
}

void FlashPlayerControl::Back() {
  SetPlaying(false);
  if (frame_ > 0) GotoFrame(frame_ - 1);
}

void FlashPlayerControl::Forward() {
  SetPlaying(false);
  if (frame_ + 1 < TotalFrames()) GotoFrame(frame_ + 1);
}

void FlashPlayerControl::Tick() {
  if (!movie_ || !playing_) return;
  if (frame_ + 1 >= TotalFrames()) {
    if (!loop_) {
      SetPlaying(false);
      return;
    }
    EnterFrame(0, 0);
  } else {
    EnterFrame(frame_ + 1, 0);
  }
  UpdateTimer();
}

void FlashPlayerControl::EnterFrame(int frame, int chain) {
  frame = std::clamp(frame, 0, TotalFrames() - 1);
  frame_ = frame;
  emit FrameChanged(frame_);
  const Frame* f = movie_->timeline.At(frame_);
  if (f == nullptr) return;
  StartSounds(*f);
  // Actions may unload or jump; keep what this frame holds.
  const std::vector<ActionList> actions = f->actions;
  for (const ActionList& list : actions) {
    if (!movie_ || frame_ != frame) break;
    RunActions(list, chain);
  }
}

void FlashPlayerControl::RunActions(const ActionList& actions, int chain) {
  std::optional<int> jump;
  for (const Action& a : actions) {
    switch (a.kind) {
      case Action::Kind::kStop: SetPlaying(false); break;
      case Action::Kind::kPlay: SetPlaying(true); break;
      case Action::Kind::kNextFrame: jump = std::min(frame_ + 1, TotalFrames() - 1); break;
      case Action::Kind::kPreviousFrame: jump = std::max(frame_ - 1, 0); break;
      case Action::Kind::kGotoFrame: jump = a.frame; break;
      case Action::Kind::kGotoLabel: {
        const int target = movie_->timeline.FindLabel(a.url);
        if (target >= 0) jump = target;
        break;
      }
      case Action::Kind::kGetUrl: {
        const QString url = QString::fromLocal8Bit(a.url.data(), static_cast<qsizetype>(a.url.size()));
        if (IsOpenableUrl(url)) {
          if (!url_opener_) url_opener_ = std::make_unique<DesktopUrlOpener>();
          url_opener_->Open(url, QString::fromLocal8Bit(a.target.data(), static_cast<qsizetype>(a.target.size())));
        }
        break;
      }
    }
  }
  if (jump && chain < kMaxActionChain) EnterFrame(*jump, chain + 1);
}

void FlashPlayerControl::StartSounds(const Frame& frame) {
  for (const SoundStart& s : frame.sounds) {
    const auto* sound = movie_->FindAs<SoundCharacter>(s.sound_id, CharacterKind::kSound);
    if (sound == nullptr) continue;
    if (!sound_output_) sound_output_ = std::make_unique<QtSoundOutput>();
    if (s.stop) {
      sound_output_->Stop(s.sound_id);
      continue;
    }
    if (s.no_multiple && sound_output_->IsPlaying(s.sound_id)) continue;
    auto& decoded = decoded_sounds_[s.sound_id];
    if (!decoded) decoded = std::make_shared<const DecodedSound>(DecodeSound(*sound));
    sound_output_->Play(s.sound_id, decoded, s.loops);
  }
}

const DisplayList& FlashPlayerControl::CurrentList() { return timeline_->StateAt(frame_); }

Rgba FlashPlayerControl::StageBackground() {
  if (background_override_) return *background_override_;
  if (!movie_) return Renderer::DefaultBackground();
  return CurrentList().background.value_or(Renderer::DefaultBackground());
}

QTransform FlashPlayerControl::StageToDevice(const QRectF& target) const {
  if (!movie_) return QTransform();
  const double w = std::max(1, movie_->WidthPixels());
  const double h = std::max(1, movie_->HeightPixels());
  const double scale = std::min(target.width() / w, target.height() / h);
  const double ox = target.x() + (target.width() - w * scale) / 2;
  const double oy = target.y() + (target.height() - h * scale) / 2;
  return QTransform::fromTranslate(-movie_->stage.x_min, -movie_->stage.y_min) *
         QTransform::fromScale(scale / 20.0, scale / 20.0) * QTransform::fromTranslate(ox, oy);
}

void FlashPlayerControl::Render(QPainter& painter, const QRectF& target) {
  const Rgba bg = StageBackground();
  painter.fillRect(target, QColor(bg.r, bg.g, bg.b));
  if (!movie_) return;
  painter.save();
  painter.setClipRect(target, Qt::IntersectClip);
  renderer_->RenderStage(painter, CurrentList(), frame_, StageToDevice(target), &button_states_, bg);
  painter.restore();
}

QImage FlashPlayerControl::RenderImage(double scale) {
  if (!movie_) return {};
  return renderer_->RenderFrame(CurrentList(), frame_, scale, &button_states_, background_override_);
}

std::optional<std::uint16_t> FlashPlayerControl::ButtonAt(const QPointF& stage_point) {
  if (!movie_) return std::nullopt;
  const DisplayList& list = CurrentList();
  for (auto it = list.objects.rbegin(); it != list.objects.rend(); ++it)
    if (renderer_->HitsButton(list, it->first, stage_point)) return it->first;
  return std::nullopt;
}

ButtonState FlashPlayerControl::ButtonStateAt(std::uint16_t depth) const {
  auto it = button_states_.find(depth);
  return it == button_states_.end() ? ButtonState::kUp : it->second;
}

void FlashPlayerControl::SetButtonState(std::uint16_t depth, ButtonState state, std::uint16_t condition) {
  button_states_[depth] = state;
  emit FrameChanged(frame_);
  const DisplayList& list = CurrentList();
  auto it = list.objects.find(depth);
  if (it == list.objects.end()) return;
  const auto* button = movie_->FindAs<ButtonCharacter>(it->second.character, CharacterKind::kButton);
  if (button == nullptr) return;
  // Copy: the actions may load another frame's display list.
  const std::vector<ButtonCondActions> actions = button->actions();
  for (const ButtonCondActions& c : actions) {
    if ((c.conditions & condition) == 0) continue;
    RunActions(c.actions, 0);
    if (!movie_) return;
  }
}

void FlashPlayerControl::MouseMove(const QPointF& stage_point) {
  const std::optional<std::uint16_t> now = ButtonAt(stage_point);
  if (now == hovered_) return;
  if (hovered_) {
    if (pressed_ == hovered_)
      SetButtonState(*hovered_, ButtonState::kUp, kCondOverDownToOutDown);
    else if (!pressed_)
      SetButtonState(*hovered_, ButtonState::kUp, kCondOverUpToIdle);
  }
  hovered_ = now;
  if (hovered_) {
    if (pressed_ == hovered_)
      SetButtonState(*hovered_, ButtonState::kDown, kCondOutDownToOverDown);
    else if (!pressed_)
      SetButtonState(*hovered_, ButtonState::kOver, kCondIdleToOverUp);
  }
}

void FlashPlayerControl::MousePress(const QPointF& stage_point) {
  MouseMove(stage_point);
  if (!hovered_) return;
  pressed_ = hovered_;
  SetButtonState(*pressed_, ButtonState::kDown, kCondOverUpToOverDown);
}

void FlashPlayerControl::MouseRelease(const QPointF& stage_point) {
  MouseMove(stage_point);
  if (!pressed_) return;
  const std::uint16_t depth = *pressed_;
  pressed_.reset();
  if (hovered_ == depth)
    SetButtonState(depth, ButtonState::kOver, kCondOverDownToOverUp);
  else
    SetButtonState(depth, ButtonState::kUp, kCondOutDownToIdle);
}

void FlashPlayerControl::MouseLeave() {
  if (!movie_) return;
  if (hovered_ && !pressed_) SetButtonState(*hovered_, ButtonState::kUp, kCondOverUpToIdle);
  hovered_.reset();
}

}  // namespace swfplayer
