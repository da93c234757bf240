#include "platform/atomic_file.h"

#include <gtest/gtest.h>

#include "support/bytes.h"
#include "support/temp_env.h"

namespace platform {
namespace {

TEST(AtomicFile, ReplacesContentWhole) {
  const auto path = testsupport::FreshDir() / "a.txt";
  ASSERT_TRUE(WriteFileAtomically(path, "old", 3));
  ASSERT_TRUE(WriteFileAtomically(path, "new content", 11));
  const auto bytes = testsupport::ReadFileBytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "new content");
}

TEST(AtomicFile, FailedFillKeepsTheOldFileAndLeavesNoTemporary) {
  const auto dir = testsupport::FreshDir();
  const auto path = dir / "a.txt";
  ASSERT_TRUE(WriteFileAtomically(path, "old", 3));
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(
      path,
      [](std::FILE* f) {
        std::fputs("partial", f);
        return false;
      },
      &error));
  EXPECT_FALSE(error.empty());
  const auto bytes = testsupport::ReadFileBytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "old");
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(AtomicFile, MissingFolderIsAnError) {
  const auto path = testsupport::FreshDir() / "missing" / "a.txt";
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(path, "x", 1, &error));
  EXPECT_NE(error.find("missing"), std::string::npos);
}

}  // namespace
}  // namespace platform
