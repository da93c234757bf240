#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "platform/dispatch.h"
#include "platform/dispatch_client.h"
#include "platform/hresult.h"

namespace cinelume {

// A late-bound call on one of the writer's objects that failed.
class EAutomationError : public std::runtime_error {
 public:
  EAutomationError(std::u16string_view method, platform::HRESULT hr);
  platform::HRESULT Code() const { return code_; }

 private:
  platform::HRESULT code_;
};

// object.Method(args...) through the dispatch interface; a failed call
// throws, so a recipe stops where the writer refused it.
template <class... Args>
void Call(platform::IDispatch* object, std::u16string_view method, Args&&... args) {
  if (object == nullptr) throw EAutomationError(method, platform::E_POINTER);
  const platform::HRESULT hr = platform::DispatchCall(object, method, std::forward<Args>(args)...);
  if (platform::FAILED(hr)) throw EAutomationError(method, hr);
}

}  // namespace cinelume
