#include "cinelume/document/automation_call.h"

#include <cstdio>

#include "platform/utf.h"

namespace cinelume {

namespace {
std::string Message(std::u16string_view method, platform::HRESULT hr) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(hr));
  return "automation call " + platform::Utf16ToUtf8(method) + " failed with " + code;
}
}  // namespace

EAutomationError::EAutomationError(std::u16string_view method, platform::HRESULT hr)
    : std::runtime_error(Message(method, hr)), code_(hr) {}

}  // namespace cinelume
