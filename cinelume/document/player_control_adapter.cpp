#include "cinelume/document/player_control_adapter.h"

#include <QString>

#include "player/flash_player_control.h"

namespace cinelume {

TPlayerControlAdapter::TPlayerControlAdapter() : control_(std::make_unique<swfplayer::FlashPlayerControl>()) {}
TPlayerControlAdapter::~TPlayerControlAdapter() = default;

std::string TPlayerControlAdapter::Movie() const { return control_->Movie().toStdString(); }
void TPlayerControlAdapter::SetMovie(const std::string& movie) { control_->SetMovie(QString::fromStdString(movie)); }
bool TPlayerControlAdapter::Loop() const { return control_->Loop(); }
void TPlayerControlAdapter::SetLoop(bool loop) { control_->SetLoop(loop); }
int TPlayerControlAdapter::FrameNum() const { return control_->FrameNum(); }
void TPlayerControlAdapter::SetFrameNum(int frame) { control_->SetFrameNum(frame); }
void TPlayerControlAdapter::SetBackgroundColor(int color) { control_->SetBackgroundColor(color); }
int TPlayerControlAdapter::TotalFrames() const { return control_->TotalFrames(); }
bool TPlayerControlAdapter::Playing() const { return control_->Playing(); }
void TPlayerControlAdapter::SetPlaying(bool playing) { control_->SetPlaying(playing); }
void TPlayerControlAdapter::SetBGColor(const std::string& color) { control_->SetBGColor(QString::fromStdString(color)); }
void TPlayerControlAdapter::Stop() { control_->Stop(); }
void TPlayerControlAdapter::Back() { control_->Back(); }
void TPlayerControlAdapter::Forward() { control_->Forward(); }
void TPlayerControlAdapter::GotoFrame(int frame) { control_->GotoFrame(frame); }
int TPlayerControlAdapter::CurrentFrame() const { return control_->CurrentFrame(); }

}  // namespace cinelume
