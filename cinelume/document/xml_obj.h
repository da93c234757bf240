#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cinelume/document/xml_node.h"
#include "cinelume/document/xml_obj_type.h"

namespace cinelume {

// One `Obj` element: the values every kind of object has.
class TXMLObj : public TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::string ObjName() { return GetText("ObjName"); }
  void SetObjName(std::string_view value) { SetText("ObjName", value); }
  std::int32_t StartTime() { return GetInteger("StartTime"); }
  void SetStartTime(std::int32_t value) { SetInteger("StartTime", value); }
  std::int32_t EndTime() { return GetInteger("EndTime"); }
  void SetEndTime(std::int32_t value) { SetInteger("EndTime", value); }
  std::int32_t Layer() { return GetInteger("Layer"); }
  void SetLayer(std::int32_t value) { SetInteger("Layer", value); }
  // "Text", "Pic" or "Sound"; anything else is kept but not a known kind.
  std::string ObjTypeName() { return GetText("ObjTypeName"); }
  void SetObjTypeName(std::string_view value) { SetText("ObjTypeName", value); }

  TXMLObjType ObjType() { return TXMLObjType(ChildNode("ObjType")); }
};

}  // namespace cinelume
