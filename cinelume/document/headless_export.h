#pragma once

#include <string>

namespace cinelume {

struct TGlobalVars;
class IErrorBox;

// Opens `project` as edit mode does (working copy, load, preview into
// SwfFile, loaded into a player without a window) and writes the final
// movie to `target`. Messages of the error box go to `messages` (borrowed).
// Throws (std::exception) when the project cannot be opened or the target
// cannot be written. `globals` holds the automation objects already made.
void ExportProject(TGlobalVars& globals, const std::string& project, const std::string& target, IErrorBox& messages);

}  // namespace cinelume
