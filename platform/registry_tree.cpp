#include "platform/registry_tree.h"

#include <cstdio>

namespace platform {
namespace {

constexpr std::string_view kHeader = "CINELUME REGISTRY 1";

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
          out += hex;
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads a quoted string at text[pos] (the opening quote); pos ends after it.
bool ReadQuoted(std::string_view text, std::size_t& pos, std::string* out) {
  if (pos >= text.size() || text[pos] != '"') return false;
  ++pos;
  out->clear();
  while (pos < text.size()) {
    const char c = text[pos++];
    if (c == '"') return true;
    if (c != '\\') {
      out->push_back(c);
      continue;
    }
    if (pos >= text.size()) return false;
    const char e = text[pos++];
    switch (e) {
      case '\\': out->push_back('\\'); break;
      case '"': out->push_back('"'); break;
      case 'n': out->push_back('\n'); break;
      case 'r': out->push_back('\r'); break;
      case 't': out->push_back('\t'); break;
      case 'x': {
        if (pos + 2 > text.size()) return false;
        const int hi = HexDigit(text[pos]);
        const int lo = HexDigit(text[pos + 1]);
        if (hi < 0 || lo < 0) return false;
        out->push_back(static_cast<char>(hi * 16 + lo));
        pos += 2;
        break;
      }
      default:
        return false;
    }
  }
  return false;
}

void FormatKey(const RegistryKeyNode& key, const std::string& path, std::string& out) {
  if (!path.empty() || key.HasValues()) {
    out += '[';
    out += path;
    out += "]\n";
  }
  for (const std::string& name : key.ValueNames()) {
    const RegistryValue& value = *key.Value(name);
    if (name.empty()) {
      out += '@';
    } else {
      AppendQuoted(out, name);
    }
    out += '=';
    if (value.type == RegistryValue::Type::kDword) {
      char number[24];
      std::snprintf(number, sizeof number, "dword:%08X", static_cast<unsigned>(value.number));
      out += number;
    } else {
      AppendQuoted(out, value.text);
    }
    out += '\n';
  }
  for (const std::string& name : key.ChildNames()) {
    FormatKey(*key.Child(name), path.empty() ? name : path + "\\" + name, out);
  }
}

}  // namespace

bool RegistryNameLess::operator()(std::string_view a, std::string_view b) const {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char x = LowerAscii(a[i]);
    const char y = LowerAscii(b[i]);
    if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  }
  return a.size() < b.size();
}

bool IsValidRegistryKeyName(std::string_view name) {
  if (name.empty() || name.size() > kMaxRegistryKeyName) return false;
  for (char c : name) {
    if (c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
  }
  return true;
}

std::optional<std::vector<std::string>> SplitRegistryPath(std::string_view path) {
  std::vector<std::string> names;
  if (path.empty()) return names;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = path.find('\\', start);
    const std::string_view name = path.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (!IsValidRegistryKeyName(name) || names.size() >= kMaxRegistryDepth) return std::nullopt;
    names.emplace_back(name);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return names;
}

RegistryKeyNode* RegistryKeyNode::Child(std::string_view name) {
  const auto it = children_.find(name);
  return it == children_.end() ? nullptr : it->second.get();
}

const RegistryKeyNode* RegistryKeyNode::Child(std::string_view name) const {
  const auto it = children_.find(name);
  return it == children_.end() ? nullptr : it->second.get();
}

RegistryKeyNode& RegistryKeyNode::AddChild(std::string_view name) {
  if (RegistryKeyNode* existing = Child(name)) return *existing;
  auto node = std::make_unique<RegistryKeyNode>(std::string(name));
  RegistryKeyNode& ref = *node;
  children_.emplace(std::string(name), std::move(node));
  return ref;
}

bool RegistryKeyNode::RemoveChild(std::string_view name) {
  const auto it = children_.find(name);
  if (it == children_.end()) return false;
  children_.erase(it);
  return true;
}

std::vector<std::string> RegistryKeyNode::ChildNames() const {
  std::vector<std::string> names;
  names.reserve(children_.size());
  for (const auto& [name, child] : children_) names.push_back(child->Name());
  return names;
}

const RegistryValue* RegistryKeyNode::Value(std::string_view name) const {
  const auto it = values_.find(name);
  return it == values_.end() ? nullptr : &it->second;
}

void RegistryKeyNode::SetValue(std::string_view name, RegistryValue value) {
  const auto it = values_.find(name);
  if (it != values_.end()) {
    it->second = std::move(value);
  } else {
    values_.emplace(std::string(name), std::move(value));
  }
}

bool RegistryKeyNode::RemoveValue(std::string_view name) {
  const auto it = values_.find(name);
  if (it == values_.end()) return false;
  values_.erase(it);
  return true;
}

std::vector<std::string> RegistryKeyNode::ValueNames() const {
  std::vector<std::string> names;
  names.reserve(values_.size());
  for (const auto& [name, value] : values_) names.push_back(name);
  return names;
}

std::string RegistryText::Format(const RegistryKeyNode& root) {
  std::string out(kHeader);
  out += '\n';
  FormatKey(root, "", out);
  return out;
}

bool RegistryText::Parse(std::string_view text, RegistryKeyNode* root, std::string* error) {
  auto fail = [error](std::size_t line, const char* what) {
    if (error != nullptr) *error = "line " + std::to_string(line) + ": " + what;
    return false;
  };
  if (text.size() > kMaxRegistryFileSize) return fail(0, "file too large");
  if (text.empty()) {  // an empty file is an empty hive
    *root = RegistryKeyNode(root->Name());
    return true;
  }
  RegistryKeyNode parsed;
  RegistryKeyNode* current = &parsed;
  std::size_t pos = 0;
  std::size_t lineNumber = 0;
  bool headerSeen = false;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!headerSeen) {
      if (line != kHeader) return fail(lineNumber, "not a registry file");
      headerSeen = true;
      continue;
    }
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      if (line.back() != ']') return fail(lineNumber, "unterminated key");
      const auto names = SplitRegistryPath(line.substr(1, line.size() - 2));
      if (!names) return fail(lineNumber, "invalid key path");
      current = &parsed;
      for (const std::string& name : *names) current = &current->AddChild(name);
      continue;
    }
    std::string name;
    std::size_t at = 0;
    if (line.front() == '@') {
      at = 1;
    } else if (!ReadQuoted(line, at, &name) || name.empty() || name.size() > kMaxRegistryValueName) {
      return fail(lineNumber, "invalid value name");
    }
    if (at >= line.size() || line[at] != '=') return fail(lineNumber, "expected '='");
    ++at;
    if (line.substr(at, 6) == "dword:") {
      const std::string_view digits = line.substr(at + 6);
      if (digits.empty() || digits.size() > 8) return fail(lineNumber, "invalid number");
      std::uint32_t number = 0;
      for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0) return fail(lineNumber, "invalid number");
        number = number * 16 + static_cast<std::uint32_t>(d);
      }
      current->SetValue(name, RegistryValue::Dword(number));
      continue;
    }
    std::string value;
    if (!ReadQuoted(line, at, &value) || at != line.size()) return fail(lineNumber, "invalid string");
    current->SetValue(name, RegistryValue::String(std::move(value)));
  }
  if (!headerSeen) return fail(0, "not a registry file");
  root->children_ = std::move(parsed.children_);
  root->values_ = std::move(parsed.values_);
  return true;
}

}  // namespace platform
