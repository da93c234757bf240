#include "cinelume/document/flash_card.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <stdexcept>

#include "cinelume/document/argument_ranges.h"
#include "cinelume/document/automation_call.h"
#include "cinelume/document/delphi_round.h"
#include "cinelume/document/flash_pic.h"
#include "cinelume/document/flash_sound.h"
#include "cinelume/document/flash_text.h"
#include "cinelume/document/value_forms.h"
#include "cinelume/document/xml_errors.h"

namespace cinelume {

namespace {

// Points frames_ at the pass under way and forgets it afterwards.
class FramesScope {
 public:
  FramesScope(TMovieFrames*& slot, TMovieFrames& frames) : slot_(slot) { slot_ = &frames; }
  ~FramesScope() { slot_ = nullptr; }
  FramesScope(const FramesScope&) = delete;
  FramesScope& operator=(const FramesScope&) = delete;

 private:
  TMovieFrames*& slot_;
};

std::uint8_t Byte(std::int32_t color, int shift) { return static_cast<std::uint8_t>((color >> shift) & 0xFF); }

}  // namespace

TFlashCard::TFlashCard(TGlobalVars& globals, TDocumentWindows windows)
    : ProjectName(globals.UntitledPath),
      WorkFile(globals.UntitledPath + ".kvx"),
      SwfFile(globals.UntitledPath + ".swf"),
      globals_(globals),
      windows_(windows),
      document_(std::make_unique<TXMLDocument>()) {}

TFlashCard::~TFlashCard() {
  if (windows_.Panels != nullptr) windows_.Panels->FreePanels();
}

void TFlashCard::SetLoop(std::uint8_t value) {
  Loop = value;
  if (windows_.Player != nullptr) windows_.Player->SetLoop(value == 1);
}

void TFlashCard::SetMode(const std::string& mode) {
  Mode = mode;
  IPlayerControl* player = windows_.Player;
  if (mode == "Play") {
    if (player != nullptr) {
      player->SetBackgroundColor(BgColor);
      player->SetMovie(IPlayerControl::kEmptyMovie);
    }
    if (windows_.Panels != nullptr) windows_.Panels->FreePanels();
    SetLoop(0);
    return;
  }
  if (mode != "Edit") return;
  if (windows_.Panels != nullptr) {
    windows_.Panels->FreePanels();
    windows_.Panels->CreatePanels();
  }
  SetLoop(1);
  if (!SourceFile.empty()) {
    // Editing a stale working copy of another project would be worse than
    // saying the project could not be opened.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(SourceFile, ec) ||
        !std::filesystem::copy_file(SourceFile, WorkFile, std::filesystem::copy_options::overwrite_existing, ec)) {
      throw EProjectFileError(SourceFile, ec ? ec.message() : std::string("no such file"));
    }
  }
  xml_movie_.reset();
  document_->LoadFromFile(WorkFile);
  xml_movie_ = GetMovie(*document_);
  LoadAndShow();
  Modified = 0;
  GenerateMovie("", "");
}

TXMLMovie TFlashCard::XmlMovie() {
  if (!xml_movie_) throw std::logic_error("no project is open");
  return *xml_movie_;
}

TMovieFrames& TFlashCard::Frames() {
  if (frames_ == nullptr) throw std::logic_error("no movie is being generated");
  return *frames_;
}

TPic& TFlashCard::PicConverter() {
  if (!globals_.PicConverter) globals_.PicConverter = std::make_unique<TPic>(globals_.UntitledPath, windows_.ErrorBox);
  globals_.PicConverter->SetErrorBox(windows_.ErrorBox);
  return *globals_.PicConverter;
}

void TFlashCard::SaveWorkingCopy() {
  document_->Save();
  Modified = 1;
}

void TFlashCard::LoadFromXml() {
  TXMLMovie movie = XmlMovie();
  TotalFrames = movie.TotalFrames();
  std::int32_t color = 0;
  BgColor = TryColorFromText(movie.BgColor(), color) ? color : 0;
  BgPic = movie.BgPic();
  Width = movie.Width();
  Height = movie.Height();
  Rate = movie.Rate();
  SetLoop(SwitchFromText(movie.Loop()) ? 1 : 0);
}

void TFlashCard::SaveToXml() {
  TXMLMovie movie = XmlMovie();
  movie.SetTotalFrames(TotalFrames);
  movie.SetBgColor(ColorToText(BgColor));
  movie.SetBgPic(BgPic);
  movie.SetWidth(Width);
  movie.SetHeight(Height);
  movie.SetRate(Rate);
  movie.SetLoop(SwitchToText(Loop == 1));
  SaveWorkingCopy();
}

void TFlashCard::ShowInPanel() {
  if (windows_.Panels != nullptr) windows_.Panels->ShowBackground(*this);
}

void TFlashCard::ReadFromPanel() {
  if (windows_.Panels != nullptr) windows_.Panels->ReadBackground(*this);
}

void TFlashCard::GenerateMovie(const std::string& mode, const std::string& target_file) {
  IPlayerControl* player = windows_.Player;
  globals_.WasPlaying = player != nullptr && player->Playing();
  platform::IDispatch* movie = globals_.MovieObj.Get();
  Call(movie, u"SetSize", ClampLong(std::int64_t{Width} * 20), ClampLong(std::int64_t{Height} * 20));
  Call(movie, u"SetFrameRate", Rate);
  TMovieFrames frames(movie, windows_.ErrorBox);
  {
    FramesScope scope(frames_, frames);
    frames.GotoFrame(0);
    Call(movie, u"SetFrameBkColor", Byte(BgColor, 0), Byte(BgColor, 8), Byte(BgColor, 16));
    try {
      SaveSwf();
      if (mode == "All" && Loop == 0) {
        // Just past the last frame this pass wrote, whatever the player
        // showed before.
        frames.GotoFrame(std::int64_t{frames.HighestFrame()} + 1);
        Call(globals_.ActionObj.Get(), u"MakeActionStop");
        frames.AddAction(globals_.ActionObj.Get());
      }
    } catch (const std::exception&) {
      // The frames emitted so far are still written.
    }
  }
  Call(movie, u"WriteMovie", target_file.empty() ? SwfFile : target_file);
  if (player != nullptr) {
    SavedFrame = player->FrameNum();
    ShowMovie("Size");
    player->SetFrameNum(SavedFrame);
    if (globals_.WasPlaying) StartPlaying();
  }
}

void TFlashCard::EmitBackgroundPicture() {
  IErrorBox* error_box = windows_.ErrorBox;
  TPic& converter = PicConverter();
  converter.SourceFile = BgPic;
  bool converted = false;
  try {
    converted = converter.Convert();
  } catch (const std::exception&) {
    converted = false;
  }
  if (!converted) {
    // An unusable background is left out; the objects still come out.
    if (!converter.Refused() && error_box != nullptr) error_box->ShowError(TFlashPic::kCannotUse);
    return;
  }
  BgPicJpeg = converter.JpegFile;
  BgPicWidth = converter.Width;
  BgPicHeight = converter.Height;
  try {
    const double x = std::max(0.0, RoundHalfEven((Width - BgPicWidth) / 2.0));
    const double y = std::max(0.0, RoundHalfEven((Height - BgPicHeight) / 2.0));
    platform::IDispatch* picture = globals_.PictureObj.Get();
    Call(picture, u"MakePicture", ClampLong(x * 20), ClampLong(y * 20), ClampLong((x + BgPicWidth) * 20),
         ClampLong((y + BgPicHeight) * 20), BgPicWidth, BgPicHeight, BgPicJpeg);
    Frames().AddObject(picture);
  } catch (const std::exception&) {
    if (error_box != nullptr) error_box->ShowError(TFlashPic::kCannotUse);
  }
}

void TFlashCard::SaveSwf() {
  if (!BgPic.empty()) EmitBackgroundPicture();
  auto gen_text = std::make_unique<TFlashText>(*this);
  auto gen_pic = std::make_unique<TFlashPic>(*this);
  auto gen_sound = std::make_unique<TFlashSound>(*this);
  TXMLMovie movie = XmlMovie();
  for (int i = 0; i < movie.Obj().Count(); ++i) {
    const std::string kind = movie.Obj().Item(i).ObjTypeName();
    if (kind == "Text") gen_text->Generate(i);
    else if (kind == "Pic") gen_pic->Generate(i);
    else if (kind == "Sound") gen_sound->Generate(i);
  }
}

void TFlashCard::ShowMovie(const std::string& how) {
  IPlayerControl* player = windows_.Player;
  if (player != nullptr) {
    try {
      player->SetBGColor("");
      player->SetMovie(IPlayerControl::kEmptyMovie);
      player->SetMovie(SwfFile);
      // The preview window keeps the document's count in the editor; this
      // is the same number.
      if (player->TotalFrames() > 0) TotalFrames = player->TotalFrames();
      if (windows_.Preview != nullptr) windows_.Preview->SetSliderMax(player->TotalFrames() - 1);
      player->SetPlaying(globals_.WasPlaying);
      player->SetLoop(Loop == 1);
    } catch (const std::exception&) {
    }
  }
  if (how == "Size" && windows_.Preview != nullptr) {
    const TMovieSize size = MovieSizeFromSwf(SwfFile);
    windows_.Preview->SetClientSize(size.Width, size.Height + windows_.Preview->SliderStripHeight());
  }
  if (windows_.Preview != nullptr) {
    try {
      windows_.Preview->RepaintPlayer();
    } catch (const std::exception&) {
    }
  }
}

void TFlashCard::StartPlaying() {
  globals_.WasPlaying = true;
  if (windows_.Player != nullptr) windows_.Player->SetPlaying(true);
}

void TFlashCard::Save() {
  const std::string project = ProjectName + ".kvx";
  std::error_code ec;
  if (!std::filesystem::copy_file(WorkFile, project, std::filesystem::copy_options::overwrite_existing, ec)) {
    throw EProjectFileError(project, ec.message());
  }
  GenerateMovie("All", ProjectName + ".swf");
  Modified = 0;
}

}  // namespace cinelume
