#include "platform/registry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <mutex>
#include <sstream>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/config_dir.h"

namespace platform {
namespace {

// What a hive file was when it was last read, to skip reading it again.
struct FileIdentity {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  long long mtimeNs = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

FileIdentity IdentityOf(const std::filesystem::path& file) {
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) return {};
  return {true, st.st_dev, st.st_ino, st.st_size,
          static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
}

// Holds flock(LOCK_EX) on a lock file beside the hive while alive.
class HiveLock {
 public:
  explicit HiveLock(const std::filesystem::path& lockFile) {
    fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
      ::close(fd_);
      fd_ = -1;
    }
  }
  ~HiveLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  HiveLock(const HiveLock&) = delete;
  HiveLock& operator=(const HiveLock&) = delete;
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// One hive as this process last read it.
class HiveCache {
 public:
  explicit HiveCache(const char* fileName) : fileName_(fileName) {}

  // Runs `read` on the current content.
  template <class Result>
  Result Read(const std::function<Result(const RegistryKeyNode&)>& read) {
    std::lock_guard<std::mutex> guard(mutex_);
    const auto file = File();
    if (!file) return read(RegistryKeyNode());
    Refresh(*file);
    return read(root_);
  }

  // Runs `change` on the current content under the hive lock; when it says
  // it changed something, writes the hive. False when `change` refused or the
  // hive could not be written.
  bool Write(const std::function<bool(RegistryKeyNode&)>& change) {
    std::lock_guard<std::mutex> guard(mutex_);
    const auto file = File();
    if (!file) return false;
    std::error_code ec;
    std::filesystem::create_directories(file->parent_path(), ec);
    HiveLock lock(file->parent_path() / (std::string(fileName_) + ".lock"));
    if (!lock.Held()) return false;
    Refresh(*file);
    RegistryKeyNode updated = Copy(root_);
    if (!change(updated)) return false;
    const std::string text = RegistryText::Format(updated);
    if (text.size() > kMaxRegistryFileSize) return false;  // never write what cannot be read back
    if (!WriteFileAtomically(*file, text.data(), text.size())) return false;
    root_ = std::move(updated);
    identity_ = IdentityOf(*file);
    loadedFrom_ = *file;
    return true;
  }

 private:
  std::optional<std::filesystem::path> File() const {
    const auto dir = ConfigDir();
    if (!dir) return std::nullopt;
    return *dir / fileName_;
  }

  static RegistryKeyNode Copy(const RegistryKeyNode& from) {
    // Through the text form: simple, and the hive is small.
    RegistryKeyNode copy;
    RegistryText::Parse(RegistryText::Format(from), &copy, nullptr);
    return copy;
  }

  void Refresh(const std::filesystem::path& file) {
    const FileIdentity now = IdentityOf(file);
    if (file == loadedFrom_ && now == identity_) return;
    loadedFrom_ = file;
    identity_ = now;
    root_ = RegistryKeyNode();
    if (!now.exists) return;
    std::string text;
    bool readable = true;
    if (static_cast<std::uintmax_t>(now.size) > kMaxRegistryFileSize) {
      readable = false;
    } else {
      std::ifstream in(file, std::ios::binary);
      std::ostringstream buffer;
      buffer << in.rdbuf();
      readable = static_cast<bool>(in) || in.eof();
      text = buffer.str();
    }
    std::string error = "file too large or unreadable";
    if (readable && RegistryText::Parse(text, &root_, &error)) return;
    // Keep what was there for whoever wants to repair it, and start empty.
    std::filesystem::path backup = file;
    backup += ".corrupt";
    std::error_code ec;
    std::filesystem::copy_file(file, backup, std::filesystem::copy_options::overwrite_existing, ec);
    std::fprintf(stderr, "registry: %s is damaged (%s); kept as %s, starting empty\n", file.c_str(), error.c_str(),
                 backup.c_str());
    root_ = RegistryKeyNode();
  }

  const char* fileName_;
  std::mutex mutex_;
  RegistryKeyNode root_;
  std::filesystem::path loadedFrom_;
  FileIdentity identity_;
};

HiveCache& CacheOf(RegistryHive hive) {
  static HiveCache currentUser("current_user.reg");
  static HiveCache classesRoot("classes_root.reg");
  return hive == RegistryHive::kCurrentUser ? currentUser : classesRoot;
}

const RegistryKeyNode* Walk(const RegistryKeyNode& root, const std::vector<std::string>& names) {
  const RegistryKeyNode* node = &root;
  for (const std::string& name : names) {
    node = node->Child(name);
    if (node == nullptr) return nullptr;
  }
  return node;
}

RegistryKeyNode* Walk(RegistryKeyNode& root, const std::vector<std::string>& names) {
  return const_cast<RegistryKeyNode*>(Walk(static_cast<const RegistryKeyNode&>(root), names));
}

// Runs `read` on the key at `path`, or gives `missing`.
template <class Result>
Result ReadKey(RegistryHive hive, std::string_view path, Result missing,
               const std::function<Result(const RegistryKeyNode&)>& read) {
  const auto names = SplitRegistryPath(path);
  if (!names) return missing;
  return CacheOf(hive).Read<Result>([&](const RegistryKeyNode& root) {
    const RegistryKeyNode* key = Walk(root, *names);
    return key == nullptr ? missing : read(*key);
  });
}

bool ChangeKey(RegistryHive hive, std::string_view path, const std::function<bool(RegistryKeyNode&)>& change) {
  const auto names = SplitRegistryPath(path);
  if (!names) return false;
  return CacheOf(hive).Write([&](RegistryKeyNode& root) {
    RegistryKeyNode* key = Walk(root, *names);
    return key != nullptr && change(*key);
  });
}

}  // namespace

std::optional<std::filesystem::path> RegistryHiveFile(RegistryHive hive) {
  const auto dir = ConfigDir();
  if (!dir) return std::nullopt;
  return *dir / (hive == RegistryHive::kCurrentUser ? "current_user.reg" : "classes_root.reg");
}

std::optional<RegistryKey> RegistryKey::Open(RegistryHive hive, std::string_view path) {
  RegistryKey key(hive, std::string(path));
  if (!key.Exists()) return std::nullopt;
  return key;
}

std::optional<RegistryKey> RegistryKey::Create(RegistryHive hive, std::string_view path) {
  const auto names = SplitRegistryPath(path);
  if (!names) return std::nullopt;
  RegistryKey key(hive, std::string(path));
  if (key.Exists()) return key;
  const bool made = CacheOf(hive).Write([&](RegistryKeyNode& root) {
    RegistryKeyNode* node = &root;
    for (const std::string& name : *names) node = &node->AddChild(name);
    return true;
  });
  if (!made) return std::nullopt;
  return key;
}

bool RegistryKey::Delete(RegistryHive hive, std::string_view path) {
  auto names = SplitRegistryPath(path);
  if (!names || names->empty()) return false;
  const std::string last = names->back();
  names->pop_back();
  return CacheOf(hive).Write([&](RegistryKeyNode& root) {
    RegistryKeyNode* parent = Walk(root, *names);
    return parent != nullptr && parent->RemoveChild(last);
  });
}

bool RegistryKey::Exists() const {
  return ReadKey<bool>(hive_, path_, false, [](const RegistryKeyNode&) { return true; });
}

std::string RegistryKey::Join(std::string_view relative) const {
  if (path_.empty()) return std::string(relative);
  if (relative.empty()) return path_;
  return path_ + "\\" + std::string(relative);
}

std::optional<RegistryKey> RegistryKey::OpenSubkey(std::string_view relative) const {
  return Open(hive_, Join(relative));
}

std::optional<RegistryKey> RegistryKey::CreateSubkey(std::string_view relative) const {
  return Create(hive_, Join(relative));
}

bool RegistryKey::DeleteSubkey(std::string_view relative) const { return Delete(hive_, Join(relative)); }

std::vector<std::string> RegistryKey::Subkeys() const {
  return ReadKey<std::vector<std::string>>(hive_, path_, {},
                                           [](const RegistryKeyNode& key) { return key.ChildNames(); });
}

std::optional<RegistryValue> RegistryKey::Value(std::string_view name) const {
  return ReadKey<std::optional<RegistryValue>>(hive_, path_, std::nullopt,
                                               [name](const RegistryKeyNode& key) -> std::optional<RegistryValue> {
                                                 const RegistryValue* value = key.Value(name);
                                                 if (value == nullptr) return std::nullopt;
                                                 return *value;
                                               });
}

std::optional<std::string> RegistryKey::String(std::string_view name) const {
  const auto value = Value(name);
  if (!value || value->type != RegistryValue::Type::kString) return std::nullopt;
  return value->text;
}

std::optional<std::uint32_t> RegistryKey::Dword(std::string_view name) const {
  const auto value = Value(name);
  if (!value || value->type != RegistryValue::Type::kDword) return std::nullopt;
  return value->number;
}

bool RegistryKey::SetValue(std::string_view name, const RegistryValue& value) const {
  if (name.size() > kMaxRegistryValueName) return false;
  return ChangeKey(hive_, path_, [&](RegistryKeyNode& key) {
    key.SetValue(name, value);
    return true;
  });
}

bool RegistryKey::SetString(std::string_view name, std::string_view value) const {
  return SetValue(name, RegistryValue::String(std::string(value)));
}

bool RegistryKey::SetDword(std::string_view name, std::uint32_t value) const {
  return SetValue(name, RegistryValue::Dword(value));
}

bool RegistryKey::DeleteValue(std::string_view name) const {
  return ChangeKey(hive_, path_, [name](RegistryKeyNode& key) { return key.RemoveValue(name); });
}

std::vector<std::string> RegistryKey::ValueNames() const {
  return ReadKey<std::vector<std::string>>(hive_, path_, {},
                                           [](const RegistryKeyNode& key) { return key.ValueNames(); });
}

}  // namespace platform
