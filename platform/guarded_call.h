#pragma once

#include <exception>
#include <new>

#include "platform/hresult.h"

namespace platform {

// Runs `body` (returning HRESULT) so that no exception leaves an automation
// method: memory exhaustion becomes E_OUTOFMEMORY, anything else E_FAIL.
template <class Body>
HRESULT CallGuarded(Body&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}

}  // namespace platform
