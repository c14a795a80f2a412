#pragma once
// Key names that any application path can be. An INI line cannot hold a key with "=" or a line
// break, with blanks at its ends, or starting with "[" or ";" (it would read back as another key,
// a section or a comment). Those characters are stored as "|" and two hex digits, and so is "|"
// itself; every other character stays as it is, so an ordinary path is stored byte for byte as
// it always was.
#include <string>
#include <string_view>

namespace qv::settings {

// The key as it is stored in the file.
std::string EncodeIniKey(std::string_view key);
// The key a stored name stands for: every "|" with two hex digits becomes that byte; any other
// "|" stays.
std::string DecodeIniKey(std::string_view stored);

}  // namespace qv::settings
