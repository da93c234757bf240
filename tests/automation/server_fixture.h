#pragma once

// Registers the built server into the test's own config folder and runs
// scripts against it through the script host.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/create_object.h"
#include "platform/server_exports.h"
#include "support/bytes.h"
#include "support/server_module.h"
#include "support/temp_env.h"
#include "vectrel/tools/script_host.h"

namespace automationtest {

struct ScriptResult {
  int status = 0;
  std::string out;
  std::string err;
};

inline ScriptResult RunScript(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  vectrel::ScriptHost host(out, err);
  ScriptResult r;
  r.status = host.Run(in);
  r.out = out.str();
  r.err = err.str();
  return r;
}

// Calls an entry point of the built module, as vectrel-regsvr does.
inline platform::HRESULT CallModuleEntry(const char* entry) {
  return testsupport::CallModuleEntry(VECTREL_MODULE, entry);
}

class ServerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(CallModuleEntry(platform::kDllRegisterServer), platform::S_OK); }
  void SetUp() override { dir_ = testsupport::FreshDir(); }

  // Runs the script; fails the test when it does not finish cleanly.
  ScriptResult Run(const std::string& script) {
    auto r = RunScript(script);
    EXPECT_EQ(r.status, 0) << r.err;
    return r;
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  testsupport::ParsedMovie Movie(const std::string& name) const {
    return testsupport::ParseMovie(testsupport::ReadFileBytes(dir_ / name));
  }

  std::filesystem::path dir_;
};

}  // namespace automationtest
