#pragma once
// Desktop autostart entries that mirror the string values of the current user's Run key, so a
// program set to start with the desktop really does: one file per value in the autostart
// folder, named after the value, whose Exec line starts the value's data as one program path.
#include <optional>
#include <string>
#include <string_view>

namespace qv::settings {

// The Run key below HKEY_CURRENT_USER.
inline constexpr std::string_view kRunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The file name (no folder) of the entry for a value: "quarvelin-", the value name in lower
// case with every byte but letters, digits, "." and "-" written as "_" and two hex digits, and
// ".desktop"; names that differ only in case share one file. nullopt for a name that cannot
// name an entry: empty, "." or "..", or holding a control character, "/" or "\".
std::optional<std::string> autostartFileName(std::string_view valueName);

// The Exec line's value for a program path, a native (UTF-8) path such as the executable's own:
// a path ending in ".exe" that names no file while the path without it does loses the suffix,
// and the path, every "\" of it a character of its own, is quoted as one argument with the
// escapes desktop entries need ("%" written "%%"). nullopt when the path is empty, holds a control
// character or is not UTF-8 (a trailing NUL terminator is dropped first).
std::optional<std::string> autostartExec(std::string_view program);

// The whole text of an entry (UTF-8, LF line ends).
std::string autostartEntry(std::string_view valueName, std::string_view exec);

// Writes (atomically) or removes the entry of a value in autostartFolder(). Writing fails for a
// name or program refused above, or when the folder cannot be made or written; removing an
// entry that is not there succeeds.
bool writeAutostartEntry(std::string_view valueName, std::string_view program);
bool removeAutostartEntry(std::string_view valueName);

}  // namespace qv::settings
