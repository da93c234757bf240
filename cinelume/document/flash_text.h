#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cinelume/document/flash_obj.h"

namespace cinelume {

// A text object: one of the ten effects over its span.
class TFlashText : public TFlashObj {
 public:
  explicit TFlashText(TFlashCard& card) : TFlashObj(card) { ObjTypeName = "Text"; }

  std::u16string Content;
  std::int32_t TextUnit = 1;
  std::string FontName;
  std::int32_t FontSize = 0;
  std::int32_t FontColor = 0;  // 0x00BBGGRR

  void Generate(int index) override;
  void LoadFromXml(int index) override;
  void ShowInPanel() override;
  void ReadFromPanel() override;

  // Cuts Content into TextUnits (see SplitContent).
  void SplitUnits();

 protected:
  void FillNew(TXMLObj obj, std::int32_t start_frame) override;
  void WriteTo(TXMLObj obj) override;
};

// The pieces of `content`: as many entries as it has UTF-16 code units; the
// first ones hold `unit` code units each (fewer at the end), the rest stay
// empty. A piece never ends between the two halves of a surrogate pair: it
// takes the low half too. A unit below 1 counts as 1.
std::vector<std::u16string> SplitContent(const std::u16string& content, std::int32_t unit);

}  // namespace cinelume
