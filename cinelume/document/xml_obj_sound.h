#pragma once

#include <string>
#include <string_view>

#include "cinelume/document/xml_node.h"

namespace cinelume {

// `ObjSound`: the sound file of a sound object.
class TXMLObjSound : public TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::string Content() { return GetText("Content"); }
  void SetContent(std::string_view value) { SetText("Content", value); }
};

}  // namespace cinelume
