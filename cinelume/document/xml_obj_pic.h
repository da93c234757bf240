#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cinelume/document/xml_node.h"

namespace cinelume {

// `ObjPic`: the values of a picture object.
class TXMLObjPic : public TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::string Content() { return GetText("Content"); }
  void SetContent(std::string_view value) { SetText("Content", value); }
  std::int32_t PositionX() { return GetInteger("PositionX"); }
  void SetPositionX(std::int32_t value) { SetInteger("PositionX", value); }
  std::int32_t PositionY() { return GetInteger("PositionY"); }
  void SetPositionY(std::int32_t value) { SetInteger("PositionY", value); }
  std::int32_t Width() { return GetInteger("Width"); }
  void SetWidth(std::int32_t value) { SetInteger("Width", value); }
  std::int32_t Height() { return GetInteger("Height"); }
  void SetHeight(std::int32_t value) { SetInteger("Height", value); }
  std::string EffectName() { return GetText("EffectName"); }
  void SetEffectName(std::string_view value) { SetText("EffectName", value); }
  // Declared for the file format, unused by the editor.
  std::string EffectValue() { return GetText("EffectValue"); }
  void SetEffectValue(std::string_view value) { SetText("EffectValue", value); }
};

}  // namespace cinelume
