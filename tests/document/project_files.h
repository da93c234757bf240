#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "support/temp_env.h"

namespace documenttest {

inline std::filesystem::path Fixture(const char* name) { return std::filesystem::path(FIXTURE_DIR) / name; }

inline std::string ReadText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  EXPECT_TRUE(in) << "cannot open " << file;
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

inline void WriteText(const std::filesystem::path& file, std::string_view text) {
  std::ofstream out(file, std::ios::binary);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  ASSERT_TRUE(out.good()) << "cannot write " << file;
}

// Writes `text` as a project file in a fresh folder and returns its path.
inline std::filesystem::path ProjectFile(std::string_view text, const char* name = "project.kvx") {
  const std::filesystem::path file = testsupport::FreshDir("project") / name;
  WriteText(file, text);
  return file;
}

}  // namespace documenttest
