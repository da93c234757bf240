#include "vectrel/encoding/trace.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace vectrel {
namespace {
TraceHook& Hook() {
  static TraceHook hook;
  return hook;
}
}  // namespace

void SetTraceHook(TraceHook hook) { Hook() = std::move(hook); }

void Trace(std::string_view text) {
  if (Hook()) Hook()(text);
}

void TraceF(const char* format, ...) {
  if (!Hook()) return;
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
  if (n > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
  va_end(args);
  Hook()(text);
}

}  // namespace vectrel
