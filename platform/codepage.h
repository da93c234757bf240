#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The "ANSI code page" that automation strings are converted to. UTF-8 by
// default, as on a system set up for worldwide UTF-8.
enum class CodePage { kUtf8, kWindows1252, kGbk };

// Case-insensitive: "65001", "CP65001", "UTF-8", "UTF8"; "1252", "CP1252",
// "WINDOWS-1252"; "936", "CP936", "GBK". Anything else is nullopt.
std::optional<CodePage> CodePageFromName(std::string_view name);

// The code page named by VECTREL_CODEPAGE, or UTF-8 when it is unset or names
// none of ours. Read on every call, so a test can switch it.
CodePage ActiveCodePage();

// What an invalid byte sequence decodes to.
inline constexpr char32_t kReplacementCodePoint = U'\uFFFD';

// UTF-16 to the code page; a character the code page cannot hold (and a lone
// surrogate) becomes '?'. No best-fit mapping.
std::string WideToAnsi(std::u16string_view wide, CodePage page = ActiveCodePage());

// The code page to UTF-16; every invalid byte or sequence becomes U+FFFD.
std::u16string AnsiToWide(std::string_view ansi, CodePage page = ActiveCodePage());

// The code page to UTF-8 (for file and face names handed to the system).
std::string AnsiToUtf8(std::string_view ansi, CodePage page = ActiveCodePage());

// How many bytes form the character that starts at `pos`: 1 for a single-byte
// code page; 2 for a GBK lead byte followed by a trail byte; the length of a
// well-formed UTF-8 sequence; 1 for an invalid or truncated one. 0 at or past
// the end. Never reads past the end.
std::size_t CharacterLength(std::string_view ansi, std::size_t pos, CodePage page = ActiveCodePage());

// The Unicode code point of the character that starts at `pos` (0 at or past
// the end; U+FFFD for an invalid sequence).
char32_t CharacterCodePoint(std::string_view ansi, std::size_t pos, CodePage page = ActiveCodePage());

// The character code the glyph functions take: the bytes of the character
// that starts at `pos`, the first in the highest byte (a GBK pair is
// lead * 256 + trail). 0 at or past the end.
std::uint32_t CharacterCode(std::string_view ansi, std::size_t pos, CodePage page = ActiveCodePage());

// The code point of a character code. As the platform does, a code whose
// high byte cannot start a character of the code page counts by its low byte.
char32_t CodePointOfCode(std::uint32_t code, CodePage page = ActiveCodePage());

}  // namespace platform
