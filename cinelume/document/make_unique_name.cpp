#include "cinelume/document/make_unique_name.h"

#include <set>
#include <vector>

namespace cinelume {

std::string MakeUniqueName(TXMLObjList objects, std::string_view prefix) {
  struct Entry {
    std::string name;
    bool of_kind;
  };
  std::vector<Entry> entries;
  const int count = objects.Count();
  entries.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    TXMLObj obj = objects.Item(i);
    std::string type_name = obj.ObjTypeName();
    entries.push_back({obj.ObjName(), type_name == prefix});
  }

  const std::string base(prefix);
  std::string candidate = base + "1";
  // Hand-edited files can send the walk round in a circle (a "Pic" named
  // Text1, say); a candidate met twice ends it and the first free number wins.
  std::set<std::string> tried;
  while (tried.insert(candidate).second) {
    int of_kind = 0;
    bool met = false;
    for (const Entry& entry : entries) {
      if (entry.of_kind) ++of_kind;
      if (entry.name == candidate) {
        met = true;
        break;
      }
    }
    if (!met) return candidate;
    candidate = base + std::to_string(of_kind + 1);
  }

  std::set<std::string> taken;
  for (const Entry& entry : entries) taken.insert(entry.name);
  for (int n = 1;; ++n) {
    candidate = base + std::to_string(n);
    if (taken.count(candidate) == 0) return candidate;
  }
}

}  // namespace cinelume
