#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "cinelume/document/document_windows.h"
#include "cinelume/document/global_unit.h"
#include "cinelume/document/movie_frames.h"
#include "cinelume/document/movie_size.h"
#include "cinelume/document/xml_document.h"
#include "cinelume/document/xml_movie.h"

namespace cinelume {

// The open movie: its background settings, the files it uses, its mode, and
// the generation of its movie through the writer's automation objects. Its
// objects live in the project's DOM, which the document keeps loaded.
class TFlashCard {
 public:
  // `globals` and the windows are borrowed and outlive the document.
  TFlashCard(TGlobalVars& globals, TDocumentWindows windows);
  ~TFlashCard();
  TFlashCard(const TFlashCard&) = delete;
  TFlashCard& operator=(const TFlashCard&) = delete;

  std::int32_t TotalFrames = 0;
  std::int32_t BgColor = 0;  // 0x00BBGGRR
  std::string BgPic;
  std::string BgPicJpeg;
  std::int32_t BgPicWidth = 0;
  std::int32_t BgPicHeight = 0;
  std::string ProjectName;
  std::string WorkFile;
  std::string SwfFile;
  std::string SourceFile;
  std::int32_t Width = 420;
  std::int32_t Height = 180;
  std::int32_t Rate = 15;
  std::uint8_t Loop = 0;
  std::string Mode;
  std::int32_t SavedFrame = 0;
  // Set by every change written to the working copy; cleared by opening a
  // project and by Save.
  std::uint8_t Modified = 0;

  void SetLoop(std::uint8_t value);
  // "Play" or "Edit". Edit copies SourceFile over WorkFile (throwing
  // EProjectFileError when that fails), loads it, reads the background and
  // generates the preview.
  void SetMode(const std::string& mode);

  void LoadFromXml();
  void SaveToXml();
  void ShowInPanel();
  void ReadFromPanel();
  void LoadAndShow() {
    LoadFromXml();
    ShowInPanel();
  }
  void ReadAndSave() {
    ReadFromPanel();
    SaveToXml();
  }

  // Mode "All" (Save, Export) ends a movie that does not loop with a stop
  // action; "Preview" or empty does not. The movie goes to `target_file`,
  // or to SwfFile when that is empty.
  void GenerateMovie(const std::string& mode, const std::string& target_file);
  // Emits the background picture and every object; only GenerateMovie calls it.
  void SaveSwf();
  // Reloads SwfFile into the player; "Size" also sizes the preview window.
  void ShowMovie(const std::string& how);
  void StartPlaying();
  static TMovieSize MovieSizeFromSwf(const std::string& file) { return cinelume::MovieSizeFromSwf(file); }

  // Copies the working copy to ProjectName + ".kvx" and writes the final
  // movie beside it. Throws EProjectFileError when the copy fails.
  void Save();

  // For the object views.
  TGlobalVars& Globals() const { return globals_; }
  const TDocumentWindows& Windows() const { return windows_; }
  TXMLDocument& Document() { return *document_; }
  // The open project's root; throws std::logic_error before a project is open.
  TXMLMovie XmlMovie();
  // The frame calls of the generation pass under way.
  TMovieFrames& Frames();
  TPic& PicConverter();
  // Saves the DOM to WorkFile and marks the document modified.
  void SaveWorkingCopy();

 private:
  void EmitBackgroundPicture();

  TGlobalVars& globals_;
  TDocumentWindows windows_;
  std::unique_ptr<TXMLDocument> document_;
  std::optional<TXMLMovie> xml_movie_;
  TMovieFrames* frames_ = nullptr;
};

}  // namespace cinelume
