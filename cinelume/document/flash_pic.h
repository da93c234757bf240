#pragma once

#include <cstdint>
#include <string>

#include "cinelume/document/flash_obj.h"

namespace cinelume {

// A picture object: a JPEG in a rectangle of the movie, still or moving.
class TFlashPic : public TFlashObj {
 public:
  explicit TFlashPic(TFlashCard& card) : TFlashObj(card) { ObjTypeName = "Pic"; }

  std::string Content;
  std::string JpegFile;  // not stored in the project
  std::int32_t Width = 0;
  std::int32_t Height = 0;

  void Generate(int index) override;
  void LoadFromXml(int index) override;
  void ShowInPanel() override;
  void ReadFromPanel() override;

  static constexpr const char* kCannotUse = "Sorry, can not use the picture!";

 protected:
  void FillNew(TXMLObj obj, std::int32_t start_frame) override;
  void WriteTo(TXMLObj obj) override;

 private:
  void RunRecipe(std::int32_t s, std::int32_t e);
  void Draw(std::int64_t x);
};

}  // namespace cinelume
