#pragma once

#include <string>

namespace cinelume {

// The picture panel's preview image.
class IPicturePreview {
 public:
  virtual ~IPicturePreview() = default;
  virtual void LoadPicture(const std::string& file) = 0;
  virtual void ClearPicture() = 0;
};

}  // namespace cinelume
