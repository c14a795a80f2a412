#pragma once
// Windows-1252 <-> UTF-8, used only where text meets a font, a terminal or a Linux file name.
#include <optional>
#include <string>
#include <string_view>

namespace qv::base {

// Every byte maps to a code point; the five bytes Windows-1252 leaves undefined map to the C1
// controls of the same value, so the conversion never loses a byte.
std::string cp1252ToUtf8(std::string_view s);
// Characters that Windows-1252 cannot hold become '?'; malformed UTF-8 bytes are taken as
// Windows-1252 bytes as they stand.
std::string utf8ToCp1252(std::string_view s);
// The Windows-1252 form of a UTF-8 text, or nullopt when the text is not well-formed UTF-8 or
// holds a character Windows-1252 cannot hold.
std::optional<std::string> utf8ToCp1252Exact(std::string_view s);
// Whether s is well-formed UTF-8 (no overlong forms, surrogates or code points past U+10FFFF).
bool isValidUtf8(std::string_view s);
// The code point of one Windows-1252 byte.
char32_t cp1252CodePoint(unsigned char c);

}  // namespace qv::base
