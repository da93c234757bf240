#pragma once

#include "cinelume/document/xml_node.h"
#include "cinelume/document/xml_obj_pic.h"
#include "cinelume/document/xml_obj_sound.h"
#include "cinelume/document/xml_obj_text.h"

namespace cinelume {

// `ObjType`: holds the element of the object's kind. Each accessor creates
// its element when absent.
class TXMLObjType : public TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  TXMLObjText ObjText() { return TXMLObjText(ChildNode("ObjText")); }
  TXMLObjPic ObjPic() { return TXMLObjPic(ChildNode("ObjPic")); }
  TXMLObjSound ObjSound() { return TXMLObjSound(ChildNode("ObjSound")); }
};

}  // namespace cinelume
