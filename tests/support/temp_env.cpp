#include "support/temp_env.h"

#include <atomic>
#include <cstdlib>
#include <string>

namespace testsupport {
namespace {
std::filesystem::path g_root;
std::atomic<int> g_counter{0};
}  // namespace

void InitTempRoot() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "cinelume-test-XXXXXX").string();
  if (mkdtemp(tmpl.data()) == nullptr) std::abort();
  g_root = tmpl;
  setenv("XDG_CONFIG_HOME", (g_root / "config").c_str(), 1);
  setenv("TMPDIR", g_root.c_str(), 1);
  setenv("temp", g_root.c_str(), 1);
  std::filesystem::create_directories(g_root / "config");
  // Widgets draw offscreen; the source and program folders are known to
  // every test.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("CINELUME_SOURCE_DIR", CINELUME_SOURCE_DIR_DEFAULT, 0);
  setenv("CINELUME_BIN_DIR", CINELUME_BIN_DIR_DEFAULT, 0);
}

void RemoveTempRoot() {
  std::error_code ec;
  if (!g_root.empty() && std::getenv("CINELUME_KEEP_TEST_TMP") == nullptr)
    std::filesystem::remove_all(g_root, ec);
}

const std::filesystem::path& TempRoot() { return g_root; }

std::filesystem::path FreshDir(const char* prefix) {
  auto dir = g_root / (std::string(prefix) + "-" + std::to_string(g_counter++));
  std::filesystem::create_directories(dir);
  return dir;
}

std::filesystem::path SourceDir() {
  if (const char* s = std::getenv("CINELUME_SOURCE_DIR")) return s;
  return CINELUME_SOURCE_DIR_DEFAULT;
}

}  // namespace testsupport
