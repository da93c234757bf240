#pragma once

#include <functional>
#include <string_view>

namespace vectrel {

// Diagnostic trace texts (chunk dumps, depth sorting counts). They go to a
// hook that prints nothing unless a caller installs one; they never change
// behaviour.
using TraceHook = std::function<void(std::string_view)>;

void SetTraceHook(TraceHook hook);
void Trace(std::string_view text);
// printf-style convenience; the text is formatted only when a hook is set.
void TraceF(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace vectrel
