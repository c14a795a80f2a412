#pragma once
// One registry root (HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE) held as its keys and values, and
// its text form as stored on disk:
//
//   [Software\Microsoft\Windows\CurrentVersion\Run]
//   "value name"=sz:"text"
//   "count"=dword:0000002a
//   "bytes"=hex(3):01,ff
//
// Key paths are "\"-separated and, like value names, matched without regard to case. Names
// and string data are quoted with \\, \" and \xHH for control bytes, so every byte is kept.
// Lines starting with ";" and blank lines are passed over.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qv::settings {

inline constexpr std::uint32_t REG_NONE = 0;
inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_EXPAND_SZ = 2;
inline constexpr std::uint32_t REG_BINARY = 3;
inline constexpr std::uint32_t REG_DWORD = 4;

struct RegValue {
    std::uint32_t type = REG_NONE;
    std::string data;  // the bytes as given, a string's terminating NUL included when given
    bool operator==(const RegValue&) const = default;
};

// A key path is valid when it is empty (the root) or "\"-separated non-empty names holding no
// control characters.
bool validKeyPath(std::string_view path);
// A value name is valid when it holds no control characters ("" is the key's default value).
bool validValueName(std::string_view name);

class RegistryHive {
public:
    struct ParseResult;
    // The hive of a stored text; a line that cannot be read makes the whole text unreadable
    // (the result names the line), so that no later write can drop what it held.
    static ParseResult parse(std::string_view text);
    std::string text() const;

    // A key exists when it was created or lies on the path of one that was.
    bool hasKey(std::string_view path) const;
    void createKey(std::string_view path);
    const RegValue* value(std::string_view key, std::string_view name) const;
    // Creates the key when it is missing; replaces a value of the same name in place.
    void setValue(std::string_view key, std::string_view name, RegValue value);
    bool removeValue(std::string_view key, std::string_view name);
    // Removes the key with every key below it; false when there was none.
    bool removeKey(std::string_view path);

private:
    struct Key {
        std::string path;
        std::vector<std::pair<std::string, RegValue>> values;
    };
    Key& ensureKey(std::string_view path);
    Key* findKey(std::string_view path);
    const Key* findKey(std::string_view path) const;

    std::vector<Key> keys_;
};

struct RegistryHive::ParseResult {
    std::optional<RegistryHive> hive;
    std::size_t badLine = 0;  // 1-based line that could not be read, when hive is empty
};

}  // namespace qv::settings
