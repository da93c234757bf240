#pragma once

#include <string>

namespace cinelume {

// The platform's error box as the document uses it: a message with an OK
// button. The editor shows a window; the headless export prints a line.
class IErrorBox {
 public:
  virtual ~IErrorBox() = default;
  virtual void ShowError(const std::string& message) = 0;
};

}  // namespace cinelume
