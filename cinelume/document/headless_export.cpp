#include "cinelume/document/headless_export.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "cinelume/document/flash_card.h"
#include "cinelume/document/player_control_adapter.h"
#include "cinelume/document/xml_errors.h"
#include "platform/atomic_file.h"

namespace cinelume {

void ExportProject(TGlobalVars& globals, const std::string& project, const std::string& target, IErrorBox& messages) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(project, ec)) throw EProjectFileError(project, "no such project file");
  {
    // Checked here so a broken project is named as the user gave it, not
    // as the working copy it is loaded from.
    TXMLDocument probe;
    probe.LoadFromFile(project);
    GetMovie(probe);
  }

  TPlayerControlAdapter player;
  TDocumentWindows windows;
  windows.ErrorBox = &messages;
  windows.Player = &player;
  TFlashCard card(globals, windows);
  card.SourceFile = project;
  card.SetMode("Edit");

  // The writer reports success even when it cannot create its file, so the
  // movie is written beside the working copy and then copied into place.
  const std::string staged = globals.UntitledPath + "_export.swf";
  std::filesystem::remove(staged, ec);
  card.GenerateMovie("All", staged);
  std::ifstream in(staged, std::ios::binary);
  if (!in) throw std::runtime_error("Cannot write the movie " + staged);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string error;
  if (bytes.empty() || !platform::WriteFileAtomically(target, bytes.data(), bytes.size(), &error)) {
    throw std::runtime_error("Cannot write " + target + (error.empty() ? "" : ": " + error));
  }
  std::filesystem::remove(staged, ec);
}

}  // namespace cinelume
