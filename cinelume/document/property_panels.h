#pragma once

namespace cinelume {

class TFlashCard;
class TFlashText;
class TFlashPic;
class TFlashSound;

// The background, text, picture and sound panels: the document fills them
// from its views and reads the user's values back.
class IPropertyPanels {
 public:
  virtual ~IPropertyPanels() = default;

  virtual void CreatePanels() = 0;
  virtual void FreePanels() = 0;

  virtual void ShowBackground(const TFlashCard& card) = 0;
  virtual void ReadBackground(TFlashCard& card) = 0;
  virtual void ShowText(const TFlashText& text) = 0;
  virtual void ReadText(TFlashText& text) = 0;
  virtual void ShowPic(const TFlashPic& pic) = 0;
  virtual void ReadPic(TFlashPic& pic) = 0;
  virtual void ShowSound(const TFlashSound& sound) = 0;
  virtual void ReadSound(TFlashSound& sound) = 0;
};

}  // namespace cinelume
