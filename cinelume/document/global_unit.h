#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cinelume/document/delphi_random.h"
#include "cinelume/document/pic_converter.h"
#include "platform/com_ptr.h"
#include "platform/dispatch.h"

namespace cinelume {

// The writer's objects could not be created (Vectrel not registered, or its
// library missing).
class EAutomationUnavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The application-wide state: paths, the writer's automation objects (made
// once, reused by every generation) and what generation shares.
struct TGlobalVars {
  std::string UntitledPath;  // TempDir + "Untitled"
  std::string TempDir;       // ends with '/'
  std::string LastOpenDir;
  int GuideChoice = 0;

  platform::ComPtr<platform::IDispatch> MovieObj;
  platform::ComPtr<platform::IDispatch> PictureObj;
  platform::ComPtr<platform::IDispatch> TextObj;
  platform::ComPtr<platform::IDispatch> ActionObj;

  std::unique_ptr<TPic> PicConverter;
  std::vector<std::u16string> TextUnits;
  bool WasPlaying = false;

  // "Rainbow" draws from this; seeded from the clock by each Rainbow text
  // unless RainbowSeed pins it (tests).
  TDelphiRandom Random;
  std::optional<std::uint32_t> RainbowSeed;
};

// The temp folder: the variable "temp", else TMPDIR, else /tmp; never the
// filesystem root. Ends with '/'.
std::string TempDirFromEnvironment();

// Fills UntitledPath and TempDir from the environment, and LastOpenDir from
// the registry store ("Software\Orvanta\Cinelume\Common", "LastOpenDir";
// `program_dir` + "/library" when absent or empty).
void InitGlobalVars(TGlobalVars& vars, const std::string& program_dir);
// Writes LastOpenDir back, creating the key when needed. False on failure.
bool SaveLastOpenDir(const TGlobalVars& vars);

// Creates the four automation objects by ProgID. Throws
// EAutomationUnavailable naming what failed.
void CreateAutomationObjects(TGlobalVars& vars);

inline constexpr const char* kCommonKey = "Software\\Orvanta\\Cinelume\\Common";

}  // namespace cinelume
