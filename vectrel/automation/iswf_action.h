#pragma once

#include <cstdint>

#include "platform/bstr.h"
#include "platform/dispatch.h"

namespace vectrel {

using platform::BSTR;
using platform::HRESULT;

// One frame or button action; each Make call replaces the one held.
class IswfAction : public platform::IDispatch {
 public:
  virtual HRESULT MakeActionStop() = 0;
  virtual HRESULT MakeActionPlay() = 0;
  virtual HRESULT MakeActionGotoFrame(std::int32_t frame) = 0;
  virtual HRESULT MakeActionGotoURL(BSTR url) = 0;
  virtual HRESULT MakeActionGotoURLTarget(BSTR url, BSTR target) = 0;

 protected:
  ~IswfAction() = default;
};

}  // namespace vectrel
