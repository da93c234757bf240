#pragma once

#include <cstdint>
#include <string>

#include "cinelume/document/flash_obj.h"

namespace cinelume {

// A sound object: its WAV copy starts in the first frame.
class TFlashSound : public TFlashObj {
 public:
  explicit TFlashSound(TFlashCard& card) : TFlashObj(card) { ObjTypeName = "Sound"; }

  std::string Content;

  void Generate(int index) override;
  void LoadFromXml(int index) override;
  void ShowInPanel() override;
  void ReadFromPanel() override;

  // The WAV copy the sound chooser made: TempDir + file name of Content
  // (with its extension) + "_tmp.wav". Content may use '\' or '/'.
  static std::string WavCopyOf(const std::string& temp_dir, const std::string& content);

  static constexpr const char* kCannotUse = "Please select a sound file with 16Bits mono format!";

 protected:
  void FillNew(TXMLObj obj, std::int32_t start_frame) override;
  void WriteTo(TXMLObj obj) override;
};

}  // namespace cinelume
