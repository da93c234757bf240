#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cinelume {

// The value forms of the project file. The binding hands out texts for
// colours and switches; these convert them.

// Integer text as the editor has always read it: optional sign, then decimal
// digits or "$" and up to eight hexadecimal digits ("$FF0000" = 16711680;
// hexadecimal above $7FFFFFFF wraps to negative). Blanks around the number
// are ignored, for hand-edited files. False for anything else, including
// empty text and decimal values outside 32 bits.
bool TryStrToInt(std::string_view text, std::int32_t& value);

// Same, throwing EConvertError for a text that is not an integer.
// `element` names where the text came from, for the message.
std::int32_t StrToInt(std::string_view text, const std::string& element = "");

// Colours (0x00BBGGRR): written in decimal, read in decimal or "$" form.
bool TryColorFromText(std::string_view text, std::int32_t& color);
std::int32_t ColorFromText(std::string_view text, const std::string& element = "");  // throws EConvertError
std::string ColorToText(std::int32_t color);

// Switches: on exactly when the upper-cased text is "TRUE".
bool SwitchFromText(std::string_view text);
std::string SwitchToText(bool on);

}  // namespace cinelume
