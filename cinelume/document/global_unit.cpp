#include "cinelume/document/global_unit.h"

#include <cstdio>
#include <cstdlib>

#include "platform/create_object.h"
#include "platform/registry.h"

namespace cinelume {

namespace {

std::string FolderOf(const char* variable) {
  const char* value = std::getenv(variable);
  if (value == nullptr) return {};
  std::string folder = value;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  // An empty value or "/" would put the working files at the root.
  if (folder.empty() || folder == "/") return {};
  return folder;
}

}  // namespace

std::string TempDirFromEnvironment() {
  std::string folder = FolderOf("temp");
  if (folder.empty()) folder = FolderOf("TMPDIR");
  if (folder.empty()) folder = "/tmp";
  return folder + "/";
}

void InitGlobalVars(TGlobalVars& vars, const std::string& program_dir) {
  vars.TempDir = TempDirFromEnvironment();
  vars.UntitledPath = vars.TempDir + "Untitled";
  vars.LastOpenDir.clear();
  if (auto key = platform::RegistryKey::Open(platform::RegistryHive::kCurrentUser, kCommonKey)) {
    if (auto dir = key->String("LastOpenDir")) vars.LastOpenDir = *dir;
  }
  if (vars.LastOpenDir.empty()) vars.LastOpenDir = program_dir + "/library";
}

bool SaveLastOpenDir(const TGlobalVars& vars) {
  auto key = platform::RegistryKey::Create(platform::RegistryHive::kCurrentUser, kCommonKey);
  return key && key->SetString("LastOpenDir", vars.LastOpenDir);
}

void CreateAutomationObjects(TGlobalVars& vars) {
  auto create = [](const char* progid, platform::ComPtr<platform::IDispatch>& out) {
    const platform::HRESULT hr = platform::CreateObject(std::string_view(progid), &out);
    if (platform::FAILED(hr) || !out) {
      char code[16];
      std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(hr));
      std::string detail = platform::LastCreateObjectError();
      throw EAutomationUnavailable(std::string("Cannot create ") + progid + " (" + code +
                                   (detail.empty() ? "" : ": " + detail) +
                                   "); is Vectrel registered (vectrel-regsvr libvectrel.so)?");
    }
  };
  create("Vectrel.swfMovie", vars.MovieObj);
  create("Vectrel.swfObject", vars.PictureObj);
  create("Vectrel.swfObject", vars.TextObj);
  create("Vectrel.swfAction", vars.ActionObj);
}

}  // namespace cinelume
