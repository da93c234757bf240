#pragma once

#include "cinelume/document/error_box.h"
#include "cinelume/document/library_tree.h"
#include "cinelume/document/picture_preview.h"
#include "cinelume/document/player_control.h"
#include "cinelume/document/preview_window.h"
#include "cinelume/document/property_panels.h"

namespace cinelume {

// The windows the document talks to, all borrowed. Any of them may be
// absent (headless export, tests): the document then skips what it would
// have shown there.
struct TDocumentWindows {
  IErrorBox* ErrorBox = nullptr;
  IPlayerControl* Player = nullptr;
  IPreviewWindow* Preview = nullptr;
  IPropertyPanels* Panels = nullptr;
  ILibraryTree* Library = nullptr;
  IPicturePreview* PicturePreview = nullptr;
};

}  // namespace cinelume
