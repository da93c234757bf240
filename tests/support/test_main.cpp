#include <gtest/gtest.h>

namespace testsupport {
void InitTempRoot();
void RemoveTempRoot();
}  // namespace testsupport

int main(int argc, char** argv) {
  testsupport::InitTempRoot();
  ::testing::InitGoogleTest(&argc, argv);
  const int rc = RUN_ALL_TESTS();
  testsupport::RemoveTempRoot();
  return rc;
}
