#pragma once

#include <functional>
#include <string_view>

namespace vectrel {

// The library shows no message boxes: failures the user should hear of
// (a font's widths or a glyph outline that could not be read) go to this
// hook, which writes one line on stderr unless a host installs its own.
using DiagnosticHook = std::function<void(std::string_view caption, std::string_view text)>;

void SetDiagnosticHook(DiagnosticHook hook);
void ReportDiagnostic(std::string_view caption, std::string_view text);

}  // namespace vectrel
