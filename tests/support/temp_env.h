#pragma once

#include <filesystem>

namespace testsupport {

// The folder that this test process uses as XDG_CONFIG_HOME, TMPDIR and temp.
const std::filesystem::path& TempRoot();

// A fresh, empty folder below TempRoot().
std::filesystem::path FreshDir(const char* prefix = "case");

// The source tree, for fixtures.
std::filesystem::path SourceDir();

}  // namespace testsupport
