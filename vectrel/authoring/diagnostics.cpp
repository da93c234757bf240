#include "vectrel/authoring/diagnostics.h"

#include <cstdio>
#include <string>

namespace vectrel {
namespace {
DiagnosticHook& Hook() {
  static DiagnosticHook hook;
  return hook;
}
}  // namespace

void SetDiagnosticHook(DiagnosticHook hook) { Hook() = std::move(hook); }

void ReportDiagnostic(std::string_view caption, std::string_view text) {
  if (Hook()) {
    Hook()(caption, text);
    return;
  }
  std::fprintf(stderr, "vectrel: %.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
               static_cast<int>(text.size()), text.data());
}

}  // namespace vectrel
