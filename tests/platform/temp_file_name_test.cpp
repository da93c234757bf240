#include "platform/temp_file_name.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>

#include "support/temp_env.h"

namespace platform {
namespace {

TEST(TempFileName, CreatesAFreshHexNamedFile) {
  const auto dir = testsupport::FreshDir().string();
  const auto first = MakeTempFileName(dir, "", 0);
  const auto second = MakeTempFileName(dir + "/", "", 0);
  ASSERT_TRUE(first && second);
  EXPECT_NE(first->path, second->path);
  EXPECT_TRUE(std::filesystem::exists(first->path));
  EXPECT_TRUE(std::regex_match(std::filesystem::path(first->path).filename().string(),
                               std::regex("[0-9A-F]{1,4}\\.tmp")));
  EXPECT_EQ(std::filesystem::path(first->path).parent_path(), std::filesystem::path(dir));
}

TEST(TempFileName, GivenNumberOnlyFormsTheName) {
  const auto dir = testsupport::FreshDir().string();
  const auto name = MakeTempFileName(dir, "abcdef", 0x1002A);
  ASSERT_TRUE(name);
  EXPECT_EQ(name->path, dir + "/abc2A.tmp");
  EXPECT_EQ(name->number, 0x2Au);
  EXPECT_FALSE(std::filesystem::exists(name->path));
}

TEST(TempFileName, MissingFolderFails) {
  EXPECT_FALSE(MakeTempFileName((testsupport::FreshDir() / "missing").string(), "", 0));
}

TEST(TempFileName, TempPathEndsWithASeparator) {
  const std::string path = TempPath();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(path.back(), '/');
  EXPECT_EQ(std::filesystem::path(path), std::filesystem::path(std::getenv("TMPDIR")) / "");
}

}  // namespace
}  // namespace platform
