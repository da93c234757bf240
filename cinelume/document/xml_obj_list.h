#pragma once

#include <string_view>

#include <pugixml.hpp>

#include "cinelume/document/xml_obj.h"

namespace cinelume {

// The `Obj` children of `Movie`, indexed from 0 in document order. Other
// children of `Movie` in between do not count.
class TXMLObjList {
 public:
  explicit TXMLObjList(pugi::xml_node movie) : movie_(movie) {}

  int Count() const;
  // Throws EListIndexError outside 0 .. Count() - 1.
  TXMLObj Item(int index) const;
  // A new empty `Obj` after the last child of `Movie`.
  TXMLObj Add();
  // Removes the element only; the text around it stays. Throws EListIndexError.
  void Delete(int index);

  // The first object whose `ObjName` is `name` exactly, or -1. Reads (and so
  // may create) `ObjName` of the objects it passes.
  int IndexOfName(std::string_view name);

 private:
  pugi::xml_node At(int index) const;

  pugi::xml_node movie_;
};

}  // namespace cinelume
