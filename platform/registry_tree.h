#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A registry value: a string (UTF-8) or a 32-bit number.
struct RegistryValue {
  enum class Type { kString, kDword };
  Type type = Type::kString;
  std::string text;
  std::uint32_t number = 0;

  static RegistryValue String(std::string text) { return {Type::kString, std::move(text), 0}; }
  static RegistryValue Dword(std::uint32_t number) { return {Type::kDword, {}, number}; }
  friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// Orders names without regard to ASCII case, as key and value names compare.
struct RegistryNameLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

// Limits, as the platform has them; they also keep a hostile file from
// nesting or growing without bound.
inline constexpr std::size_t kMaxRegistryKeyName = 255;
inline constexpr std::size_t kMaxRegistryValueName = 16383;
inline constexpr std::size_t kMaxRegistryDepth = 512;
inline constexpr std::size_t kMaxRegistryFileSize = 64u << 20;

// A key name is 1 to 255 bytes without backslashes or control characters.
bool IsValidRegistryKeyName(std::string_view name);
// Splits "A\B\C" into its names; "" is the root. Nothing for an invalid path
// (empty names, too deep, invalid names).
std::optional<std::vector<std::string>> SplitRegistryPath(std::string_view path);

// One key: its subkeys and values (the default value has the empty name).
// Names keep the case they were created with.
class RegistryKeyNode {
 public:
  explicit RegistryKeyNode(std::string name = {}) : name_(std::move(name)) {}

  const std::string& Name() const { return name_; }

  RegistryKeyNode* Child(std::string_view name);
  const RegistryKeyNode* Child(std::string_view name) const;
  // The existing child of that name, or a new one.
  RegistryKeyNode& AddChild(std::string_view name);
  // Removes the child and everything below it; false when there is none.
  bool RemoveChild(std::string_view name);
  // Sorted without regard to case.
  std::vector<std::string> ChildNames() const;

  const RegistryValue* Value(std::string_view name) const;
  void SetValue(std::string_view name, RegistryValue value);
  bool RemoveValue(std::string_view name);
  std::vector<std::string> ValueNames() const;
  bool HasValues() const { return !values_.empty(); }

 private:
  friend class RegistryText;
  std::string name_;
  std::map<std::string, std::unique_ptr<RegistryKeyNode>, RegistryNameLess> children_;
  std::map<std::string, RegistryValue, RegistryNameLess> values_;
};

// The text form of a hive file:
//   CINELUME REGISTRY 1
//   [CLSID\{0DD77391-686B-11D4-B367-D4475FDFF33A}\InprocServer32]
//   @="/usr/lib/vectrel/libvectrel.so"
//   "ThreadingModel"="Apartment"
//   "Count"=dword:0000001F
// One "[path]" line per key, parents before children, every key listed (so
// empty keys survive); "@" is the default value; strings escape \\ \" \n \r
// \t and other control bytes as \xHH. Values before the first "[...]" line
// belong to the root. Blank lines and lines starting with ';' are skipped.
class RegistryText {
 public:
  static std::string Format(const RegistryKeyNode& root);
  // Replaces `root` with the parsed content; on any malformed line returns
  // false with `error` naming the line, and leaves `root` untouched.
  static bool Parse(std::string_view text, RegistryKeyNode* root, std::string* error);
};

}  // namespace platform
