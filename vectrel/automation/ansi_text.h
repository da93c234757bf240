#pragma once

#include <string>

#include "platform/bstr.h"
#include "platform/codepage.h"

namespace vectrel {

// Strings reach the model in the ANSI code page; a null BSTR is the empty
// string.
inline std::string AnsiText(platform::BSTR text) { return platform::WideToAnsi(platform::BstrView(text)); }

// File names are handed to the system in UTF-8, whatever the code page.
inline std::string AnsiPath(platform::BSTR text) { return platform::AnsiToUtf8(AnsiText(text)); }

}  // namespace vectrel
