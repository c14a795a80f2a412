#pragma once
// Registry keys under HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE, kept as one text file per root
// in the program's configuration folder (see registry_hive.h for the form). Every call reads
// or writes the file, so nothing is cached; a write replaces the file atomically, holding the
// file locked from its reading on, so writers in other processes lose nothing. The current
// user's Run key exists from the start, as on any desktop, and each string value set under it
// is mirrored as a desktop autostart entry (autostart.h); deleting the value removes the entry.
//
// Calls return ERROR_SUCCESS or an error number. A stored file that cannot be read whole gives
// ERROR_BADDB and is never overwritten, so nothing it holds is lost.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/settings/registry_hive.h"

namespace qv::settings {

using HKey = std::intptr_t;  // 0: no key

inline constexpr HKey HKEY_CURRENT_USER = static_cast<HKey>(0x80000001u);
inline constexpr HKey HKEY_LOCAL_MACHINE = static_cast<HKey>(0x80000002u);

// Access rights.
inline constexpr std::uint32_t KEY_QUERY_VALUE = 0x0001;
inline constexpr std::uint32_t KEY_SET_VALUE = 0x0002;
inline constexpr std::uint32_t KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr std::uint32_t KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr std::uint32_t KEY_NOTIFY = 0x0010;
inline constexpr std::uint32_t KEY_READ = 0x20019;
inline constexpr std::uint32_t KEY_WRITE = 0x20006;
inline constexpr std::uint32_t KEY_ALL_ACCESS = 0xF003F;

inline constexpr long ERROR_SUCCESS = 0;
inline constexpr long ERROR_FILE_NOT_FOUND = 2;
inline constexpr long ERROR_ACCESS_DENIED = 5;
inline constexpr long ERROR_INVALID_HANDLE = 6;
inline constexpr long ERROR_WRITE_FAULT = 29;
inline constexpr long ERROR_INVALID_PARAMETER = 87;
inline constexpr long ERROR_MORE_DATA = 234;
inline constexpr long ERROR_BADDB = 1009;

// Opens an existing key below root (a root above or an open key; "" opens root itself again)
// with the access rights asked for. ERROR_FILE_NOT_FOUND for a missing key,
// ERROR_INVALID_PARAMETER for a path that is not a valid key path.
long RegOpenKeyEx(HKey root, std::string_view subKey, std::uint32_t options, std::uint32_t access,
                  HKey& result);
// Opens the key, creating it and every missing key on its path.
long RegCreateKeyEx(HKey root, std::string_view subKey, std::uint32_t access, HKey& result);
// Sets a value (needs KEY_SET_VALUE) to the bytes of data, a string's terminating NUL only if
// the caller gives one. Under the Run key a value name that cannot name an autostart entry,
// or a string whose data cannot be started as a program, is refused (ERROR_INVALID_PARAMETER).
long RegSetValueEx(HKey key, std::string_view name, std::uint32_t type, std::string_view data);
// Reads a value (needs KEY_QUERY_VALUE). `size` gives the caller's buffer size in bytes and
// receives the value's size; with `data` null only the size and type are given. A value larger
// than the buffer gives ERROR_MORE_DATA and leaves data alone. type and size may be null.
long RegQueryValueEx(HKey key, std::string_view name, std::uint32_t* type, std::string* data,
                     std::uint32_t* size);
// Deletes a value (needs KEY_SET_VALUE); ERROR_FILE_NOT_FOUND when there is none.
long RegDeleteValue(HKey key, std::string_view name);
long RegCloseKey(HKey key);

// The file that keeps a root's keys ("" for a handle that is not a root).
std::string registryFile(HKey root);

}  // namespace qv::settings
