#pragma once
// The private-profile functions: read and write one entry of an INI file, list a section's keys
// or a file's sections, remove a section. Every call goes to the file; nothing is cached, so a
// second reader sees a write at once. Writes replace the file atomically (temporary file and
// rename), so an interrupted write leaves the old file whole.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qv::settings {

// Reads key of section of the file at path ("\" accepted as separator) into out, as a caller's
// buffer of size characters (the terminating NUL included) would receive it, and returns the
// count of characters given back; out holds exactly that many.
//  - section and key given: the value, trimmed of surrounding blanks and then of one pair of
//    matching quotes (" or ') around it, or defaultText without its trailing spaces when the
//    file, section or key is missing; at most size - 1 characters, the rest cut off.
//  - key null: the section's key names, each followed by a NUL. A list that does not fit (it
//    needs its length + 1 for the final NUL) is cut to size - 2 characters, so the last name may
//    be partial and the count is size - 2. A missing or empty section gives defaultText.
//  - section null: the file's section names in the same form (no default).
// Sections and keys match without regard to case. Size 0 gives 0.
long GetPrivateProfileString(std::optional<std::string_view> section, std::optional<std::string_view> key,
                             std::string_view defaultText, std::string& out, std::size_t size,
                             std::string_view path);

// Writes key = value into section of the file at path, creating the file, the section or the key
// as needed; an existing key's line is replaced in place and every other line stays byte for
// byte. An empty value keeps the key with nothing after "=". A null key removes every section of
// that name with all its lines (value is then ignored). Returns non-zero on success and 0 when the
// file cannot be written (its folder is missing, say) or when the names or value cannot be stored
// faithfully: a section or key holding CR, LF or NUL, a section holding "]", a key holding "=" or
// starting with "[" or ";", a section or key with leading or trailing blanks, a value holding CR,
// LF or NUL. A refused call writes nothing. The file is locked (file_lock.h) from its reading to
// its replacement, so concurrent writers in other processes lose nothing.
long WritePrivateProfileString(std::string_view section, std::optional<std::string_view> key,
                               std::string_view value, std::string_view path);

}  // namespace qv::settings
