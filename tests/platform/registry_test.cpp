#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "platform/config_dir.h"
#include "platform/registry.h"
#include "support/bytes.h"
#include "support/temp_env.h"

namespace platform {
namespace {

// Each test gets its own config folder, so hives start empty.
class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    saved_ = old != nullptr ? old : "";
    dir_ = testsupport::FreshDir("registry");
    setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
  }
  void TearDown() override { setenv("XDG_CONFIG_HOME", saved_.c_str(), 1); }

  std::filesystem::path HiveFile(RegistryHive hive) { return *RegistryHiveFile(hive); }
  void WriteHive(RegistryHive hive, const std::string& text) {
    std::filesystem::create_directories(HiveFile(hive).parent_path());
    std::ofstream(HiveFile(hive), std::ios::binary) << text;
  }
  std::string ReadHive(RegistryHive hive) {
    const auto bytes = testsupport::ReadFileBytes(HiveFile(hive));
    return std::string(bytes.begin(), bytes.end());
  }

  std::filesystem::path dir_;

 private:
  std::string saved_;
};

TEST_F(RegistryTest, HivesLiveInTheConfigFolder) {
  EXPECT_EQ(ConfigDir(), dir_ / "cinelume");
  EXPECT_EQ(HiveFile(RegistryHive::kCurrentUser), dir_ / "cinelume" / "current_user.reg");
  EXPECT_EQ(HiveFile(RegistryHive::kClassesRoot), dir_ / "cinelume" / "classes_root.reg");
  setenv("XDG_CONFIG_HOME", "", 1);
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') {
    EXPECT_EQ(ConfigDir(), std::filesystem::path(home) / ".config" / "cinelume");
  }
  setenv("XDG_CONFIG_HOME", "relative/path", 1);
  if (home != nullptr && home[0] == '/') {
    EXPECT_EQ(ConfigDir(), std::filesystem::path(home) / ".config" / "cinelume");
  }
}

TEST_F(RegistryTest, ValuesPersistInTheTextFormat) {
  const auto key = RegistryKey::Create(RegistryHive::kClassesRoot, "CLSID\\{0DD77391-686B-11D4-B367-D4475FDFF33A}\\InprocServer32");
  ASSERT_TRUE(key);
  ASSERT_TRUE(key->SetString("", "/opt/lib/libvectrel.so"));
  ASSERT_TRUE(key->SetString("ThreadingModel", "Apart\"ment\\\n"));
  ASSERT_TRUE(RegistryKey::Create(RegistryHive::kClassesRoot, "Vectrel.swfMovie\\Programmable"));
  const auto counter = RegistryKey::Create(RegistryHive::kCurrentUser, "Software\\Orvanta\\Cinelume\\Common");
  ASSERT_TRUE(counter);
  ASSERT_TRUE(counter->SetDword("Count", 0x1F));

  EXPECT_EQ(ReadHive(RegistryHive::kClassesRoot),
            "CINELUME REGISTRY 1\n"
            "[CLSID]\n"
            "[CLSID\\{0DD77391-686B-11D4-B367-D4475FDFF33A}]\n"
            "[CLSID\\{0DD77391-686B-11D4-B367-D4475FDFF33A}\\InprocServer32]\n"
            "@=\"/opt/lib/libvectrel.so\"\n"
            "\"ThreadingModel\"=\"Apart\\\"ment\\\\\\n\"\n"
            "[Vectrel.swfMovie]\n"
            "[Vectrel.swfMovie\\Programmable]\n");
  EXPECT_NE(ReadHive(RegistryHive::kCurrentUser).find("\"Count\"=dword:0000001F\n"), std::string::npos);
  EXPECT_EQ(key->String("ThreadingModel"), "Apart\"ment\\\n");
  EXPECT_EQ(counter->Dword("count"), 0x1Fu);
  EXPECT_FALSE(counter->String("Count"));  // wrong type
  EXPECT_FALSE(counter->Dword("Missing"));
}

TEST_F(RegistryTest, ReadsWhatAnotherProcessWrote) {
  ASSERT_TRUE(RegistryKey::Create(RegistryHive::kCurrentUser, "Software\\A"));
  EXPECT_TRUE(RegistryKey::Open(RegistryHive::kCurrentUser, "Software\\A"));
  // Another process replaces the file.
  WriteHive(RegistryHive::kCurrentUser,
            "CINELUME REGISTRY 1\n; a comment\n\n[Software\\B]\r\n\"language\"=\"ChineseGB\"\r\n");
  EXPECT_FALSE(RegistryKey::Open(RegistryHive::kCurrentUser, "Software\\A"));
  const auto b = RegistryKey::Open(RegistryHive::kCurrentUser, "software\\b");
  ASSERT_TRUE(b);
  EXPECT_EQ(b->String("Language"), "ChineseGB");
}

TEST_F(RegistryTest, TwoProcessesSeeEachOthersWrites) {
  const auto key = RegistryKey::Create(RegistryHive::kCurrentUser, "Software\\Shared");
  ASSERT_TRUE(key);
  ASSERT_TRUE(key->SetString("parent", "1"));
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The child sees the parent's value and adds its own.
    const bool ok = key->String("parent") == "1" && key->SetString("child", "2");
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(key->String("child"), "2");
  EXPECT_EQ(key->String("parent"), "1");
}

TEST_F(RegistryTest, NamesIgnoreCaseAndKeepIt) {
  const auto key = RegistryKey::Create(RegistryHive::kCurrentUser, "Software\\Orvanta");
  ASSERT_TRUE(key);
  ASSERT_TRUE(key->SetString("LastOpenDir", "/a"));
  ASSERT_TRUE(key->SetString("lastopendir", "/b"));
  EXPECT_EQ(key->ValueNames(), std::vector<std::string>{"LastOpenDir"});
  EXPECT_EQ(key->String("LASTOPENDIR"), "/b");
  ASSERT_TRUE(RegistryKey::Create(RegistryHive::kCurrentUser, "SOFTWARE\\orvanta\\zeta"));
  ASSERT_TRUE(RegistryKey::Create(RegistryHive::kCurrentUser, "Software\\Orvanta\\Alpha"));
  EXPECT_EQ(key->Subkeys(), (std::vector<std::string>{"Alpha", "zeta"}));
  EXPECT_EQ(RegistryKey::Open(RegistryHive::kCurrentUser, "")->Subkeys(), std::vector<std::string>{"Software"});
}

TEST_F(RegistryTest, DeletingAKeyRemovesEverythingBelowIt) {
  ASSERT_TRUE(RegistryKey::Create(RegistryHive::kClassesRoot, "CLSID\\{X}\\InprocServer32")->SetString("", "/m.so"));
  ASSERT_TRUE(RegistryKey::Create(RegistryHive::kClassesRoot, "CLSID\\{X}\\ProgID"));
  ASSERT_TRUE(RegistryKey::Create(RegistryHive::kClassesRoot, "CLSID\\{Y}"));
  EXPECT_TRUE(RegistryKey::Delete(RegistryHive::kClassesRoot, "clsid\\{x}"));
  EXPECT_FALSE(RegistryKey::Open(RegistryHive::kClassesRoot, "CLSID\\{X}\\InprocServer32"));
  EXPECT_FALSE(RegistryKey::Delete(RegistryHive::kClassesRoot, "CLSID\\{X}"));
  EXPECT_FALSE(RegistryKey::Delete(RegistryHive::kClassesRoot, ""));
  EXPECT_EQ(RegistryKey::Open(RegistryHive::kClassesRoot, "CLSID")->Subkeys(), std::vector<std::string>{"{Y}"});
  // A handle to a deleted key cannot write.
  const auto y = RegistryKey::Open(RegistryHive::kClassesRoot, "CLSID\\{Y}");
  ASSERT_TRUE(y);
  ASSERT_TRUE(RegistryKey::Delete(RegistryHive::kClassesRoot, "CLSID\\{Y}"));
  EXPECT_FALSE(y->SetString("", "x"));
  EXPECT_FALSE(y->Exists());
  ASSERT_TRUE(RegistryKey::Open(RegistryHive::kClassesRoot, "CLSID")->SetDword("v", 1));
  EXPECT_TRUE(RegistryKey::Open(RegistryHive::kClassesRoot, "CLSID")->DeleteValue("V"));
  EXPECT_FALSE(RegistryKey::Open(RegistryHive::kClassesRoot, "CLSID")->DeleteValue("V"));
}

TEST_F(RegistryTest, InvalidPathsAreRefused) {
  for (const char* path : {"\\A", "A\\", "A\\\\B", "A\nB"}) {
    EXPECT_FALSE(RegistryKey::Create(RegistryHive::kCurrentUser, path)) << path;
  }
  EXPECT_FALSE(RegistryKey::Create(RegistryHive::kCurrentUser, std::string(256, 'k')));
  std::string deep = "k";
  for (int i = 0; i < 600; ++i) deep += "\\k";
  EXPECT_FALSE(RegistryKey::Create(RegistryHive::kCurrentUser, deep));
  EXPECT_FALSE(std::filesystem::exists(HiveFile(RegistryHive::kCurrentUser)));
}

TEST_F(RegistryTest, ADamagedHiveIsKeptAsideAndTheHiveStartsEmpty) {
  const char* damaged[] = {
      "not a hive",
      "CINELUME REGISTRY 1\n[Unterminated\n",
      "CINELUME REGISTRY 1\n[A]\n\"v\"=dword:XYZ\n",
      "CINELUME REGISTRY 1\n[A]\n\"v\"=\"open\n",
      "CINELUME REGISTRY 1\n[A\\\\B]\n",
      "CINELUME REGISTRY 1\n[A]\nv=1\n",
  };
  for (const char* text : damaged) {
    SCOPED_TRACE(text);
    WriteHive(RegistryHive::kCurrentUser, text);
    const auto root = RegistryKey::Open(RegistryHive::kCurrentUser, "");
    ASSERT_TRUE(root);
    EXPECT_TRUE(root->Subkeys().empty());
    auto backup = HiveFile(RegistryHive::kCurrentUser);
    backup += ".corrupt";
    const auto kept = testsupport::ReadFileBytes(backup);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), text);
    // The next write replaces the damaged file with a sound one.
    ASSERT_TRUE(RegistryKey::Create(RegistryHive::kCurrentUser, "Fresh"));
    EXPECT_EQ(ReadHive(RegistryHive::kCurrentUser), "CINELUME REGISTRY 1\n[Fresh]\n");
  }
}

TEST_F(RegistryTest, DeepNestingInAFileIsRefused) {
  std::string text = "CINELUME REGISTRY 1\n[k";
  for (int i = 0; i < 100000; ++i) text += "\\k";
  text += "]\n";
  WriteHive(RegistryHive::kCurrentUser, text);
  EXPECT_FALSE(RegistryKey::Open(RegistryHive::kCurrentUser, "k"));
}

}  // namespace
}  // namespace platform
