#include "cinelume/document/xml_obj_list.h"

#include "cinelume/document/xml_errors.h"
#include "cinelume/document/xml_obj.h"

namespace cinelume {

int TXMLObjList::Count() const {
  int count = 0;
  for (pugi::xml_node obj = movie_.child("Obj"); obj; obj = obj.next_sibling("Obj")) ++count;
  return count;
}

pugi::xml_node TXMLObjList::At(int index) const {
  if (index >= 0) {
    int i = 0;
    for (pugi::xml_node obj = movie_.child("Obj"); obj; obj = obj.next_sibling("Obj"), ++i) {
      if (i == index) return obj;
    }
  }
  throw EListIndexError(index, Count());
}

TXMLObj TXMLObjList::Item(int index) const { return TXMLObj(At(index)); }

TXMLObj TXMLObjList::Add() { return TXMLObj(movie_.append_child("Obj")); }

void TXMLObjList::Delete(int index) { movie_.remove_child(At(index)); }

int TXMLObjList::IndexOfName(std::string_view name) {
  int i = 0;
  for (pugi::xml_node obj = movie_.child("Obj"); obj; obj = obj.next_sibling("Obj"), ++i) {
    if (TXMLObj(obj).ObjName() == name) return i;
  }
  return -1;
}

}  // namespace cinelume
