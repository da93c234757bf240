#pragma once

#include <string>
#include <string_view>

namespace platform {

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// UTF-8 to UTF-16; every invalid or truncated sequence (overlong forms,
// surrogates, values above U+10FFFF) becomes one U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace platform
