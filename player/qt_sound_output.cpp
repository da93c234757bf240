#include "player/qt_sound_output.h"

#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <algorithm>

namespace swfplayer {
namespace {
// Loops are cut at this much audio.
constexpr qsizetype kMaxVoiceBytes = 64 * 1024 * 1024;
}  // namespace

struct QtSoundOutput::Voice {
  std::uint16_t id = 0;
  QByteArray pcm;
  std::unique_ptr<QBuffer> buffer;
  std::unique_ptr<QAudioSink> sink;
};

std::vector<std::int16_t> Resample(const DecodedSound& sound, int rate, int channels) {
  std::vector<std::int16_t> out;
  const std::size_t in_frames = sound.FrameCount();
  if (in_frames == 0 || sound.rate <= 0 || rate <= 0 || channels <= 0) return out;
  const std::size_t out_frames = static_cast<std::size_t>(static_cast<double>(in_frames) * rate / sound.rate);
  out.reserve(out_frames * channels);
  for (std::size_t f = 0; f < out_frames; ++f) {
    const double pos = static_cast<double>(f) * sound.rate / rate;
    const std::size_t i = std::min(static_cast<std::size_t>(pos), in_frames - 1);
    const std::size_t j = std::min(i + 1, in_frames - 1);
    const double t = pos - static_cast<double>(i);
    for (int c = 0; c < channels; ++c) {
      const int src = std::min(c, sound.channels - 1);
      const double a = sound.samples[i * sound.channels + src];
      const double b = sound.samples[j * sound.channels + src];
      out.push_back(static_cast<std::int16_t>(a + (b - a) * t));
    }
  }
  return out;
}

QtSoundOutput::QtSoundOutput() {
  device_ = QMediaDevices::defaultAudioOutput();
  if (device_.isNull()) return;
  format_.setSampleRate(44100);
  format_.setChannelCount(2);
  format_.setSampleFormat(QAudioFormat::Int16);
  if (!device_.isFormatSupported(format_)) {
    format_ = device_.preferredFormat();
    format_.setSampleFormat(QAudioFormat::Int16);
    if (!device_.isFormatSupported(format_)) return;
  }
  available_ = true;
}

QtSoundOutput::~QtSoundOutput() { StopAll(); }

void QtSoundOutput::Prune() {
  voices_.remove_if([](const std::unique_ptr<Voice>& v) {
    return v->sink->state() == QAudio::IdleState || v->sink->state() == QAudio::StoppedState;
  });
}

void QtSoundOutput::Play(std::uint16_t id, std::shared_ptr<const DecodedSound> sound, int loops) {
  Prune();
  if (!available_ || !sound || sound->samples.empty()) return;
  const std::vector<std::int16_t> pcm = Resample(*sound, format_.sampleRate(), format_.channelCount());
  const QByteArray once(reinterpret_cast<const char*>(pcm.data()), static_cast<qsizetype>(pcm.size() * 2));
  if (once.isEmpty()) return;
  auto voice = std::make_unique<Voice>();
  voice->id = id;
  for (int i = 0; i < std::max(1, loops) && voice->pcm.size() + once.size() <= kMaxVoiceBytes; ++i)
    voice->pcm.append(once);
  voice->buffer = std::make_unique<QBuffer>(&voice->pcm);
  voice->buffer->open(QIODevice::ReadOnly);
  voice->sink = std::make_unique<QAudioSink>(device_, format_);
  voice->sink->start(voice->buffer.get());
  voices_.push_back(std::move(voice));
}

void QtSoundOutput::Stop(std::uint16_t id) {
  for (auto& v : voices_)
    if (v->id == id) v->sink->stop();
  Prune();
}

void QtSoundOutput::StopAll() {
  for (auto& v : voices_) v->sink->stop();
  voices_.clear();
}

bool QtSoundOutput::IsPlaying(std::uint16_t id) {
  Prune();
  return std::any_of(voices_.begin(), voices_.end(), [id](const auto& v) { return v->id == id; });
}

}  // namespace swfplayer
