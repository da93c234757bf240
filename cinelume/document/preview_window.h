#pragma once

namespace cinelume {

// The preview window around the player: its size and position slider.
class IPreviewWindow {
 public:
  virtual ~IPreviewWindow() = default;
  // Client area: the movie plus the slider strip below it.
  virtual void SetClientSize(int width, int height) = 0;
  virtual int SliderStripHeight() const = 0;
  virtual void SetSliderMax(int max) = 0;
  // Hides and shows the player again, which repaints it.
  virtual void RepaintPlayer() = 0;
};

}  // namespace cinelume
