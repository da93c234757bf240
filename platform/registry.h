#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry_tree.h"

namespace platform {

// The two hives: the current user's (settings) and the classes root
// (automation registration).
enum class RegistryHive { kCurrentUser, kClassesRoot };

// The file of a hive: "current_user.reg" or "classes_root.reg" in ConfigDir().
// Nothing when there is no config folder.
std::optional<std::filesystem::path> RegistryHiveFile(RegistryHive hive);

// A key of the registry store, named by hive and backslash-separated path
// ("CLSID\{...}\InprocServer32"; "" is the hive's root). Names compare without
// regard to ASCII case and keep the case they were created with.
//
// Every call reads the hive file again if it changed on disk, so processes
// see each other's writes; every change is written back at once, atomically,
// under an exclusive lock of the hive (flock on "<hive>.lock"). A hive file
// that cannot be read as a hive is kept as "<file>.corrupt", reported once on
// stderr, and the hive starts empty.
class RegistryKey {
 public:
  // The key if it exists.
  static std::optional<RegistryKey> Open(RegistryHive hive, std::string_view path);
  // The key, made with its missing parents if need be. Nothing for an
  // invalid path or when the hive cannot be written.
  static std::optional<RegistryKey> Create(RegistryHive hive, std::string_view path);
  // Removes the key with all its subkeys and values; false when it did not
  // exist, the path names the root, or the hive cannot be written.
  static bool Delete(RegistryHive hive, std::string_view path);

  RegistryHive Hive() const { return hive_; }
  const std::string& Path() const { return path_; }
  bool Exists() const;

  std::optional<RegistryKey> OpenSubkey(std::string_view relative) const;
  std::optional<RegistryKey> CreateSubkey(std::string_view relative) const;
  bool DeleteSubkey(std::string_view relative) const;
  // Names of the direct subkeys, sorted without regard to case.
  std::vector<std::string> Subkeys() const;

  // "" is the default value. Reads give nothing for a missing key or value,
  // or one of the other type. Writes fail when the key was deleted meanwhile.
  std::optional<RegistryValue> Value(std::string_view name) const;
  std::optional<std::string> String(std::string_view name) const;
  std::optional<std::uint32_t> Dword(std::string_view name) const;
  bool SetValue(std::string_view name, const RegistryValue& value) const;
  bool SetString(std::string_view name, std::string_view value) const;
  bool SetDword(std::string_view name, std::uint32_t value) const;
  bool DeleteValue(std::string_view name) const;
  std::vector<std::string> ValueNames() const;

 private:
  RegistryKey(RegistryHive hive, std::string path) : hive_(hive), path_(std::move(path)) {}
  std::string Join(std::string_view relative) const;

  RegistryHive hive_;
  std::string path_;
};

}  // namespace platform
