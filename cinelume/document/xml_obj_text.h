#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cinelume/document/xml_node.h"

namespace cinelume {

// `ObjText`: the values of a text object. `Content` is UTF-8.
class TXMLObjText : public TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::string Content() { return GetText("Content"); }
  void SetContent(std::string_view value) { SetText("Content", value); }
  std::string FontName() { return GetText("FontName"); }
  void SetFontName(std::string_view value) { SetText("FontName", value); }
  std::int32_t FontSize() { return GetInteger("FontSize"); }
  void SetFontSize(std::int32_t value) { SetInteger("FontSize", value); }
  std::string FontColor() { return GetText("FontColor"); }
  void SetFontColor(std::string_view value) { SetText("FontColor", value); }
  std::int32_t PositionX() { return GetInteger("PositionX"); }
  void SetPositionX(std::int32_t value) { SetInteger("PositionX", value); }
  std::int32_t PositionY() { return GetInteger("PositionY"); }
  void SetPositionY(std::int32_t value) { SetInteger("PositionY", value); }
  std::string EffectName() { return GetText("EffectName"); }
  void SetEffectName(std::string_view value) { SetText("EffectName", value); }
  std::string EffectValue() { return GetText("EffectValue"); }
  void SetEffectValue(std::string_view value) { SetText("EffectValue", value); }
  std::int32_t TextUnit() { return GetInteger("TextUnit"); }
  void SetTextUnit(std::int32_t value) { SetInteger("TextUnit", value); }
};

}  // namespace cinelume
