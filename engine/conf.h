#pragma once
// Small file helpers of the option and filter files.
#include <string>
#include <string_view>

namespace qv::engine {

// The value of key in section of the program folder's "Conf\" & file (at most 254 characters),
// or "Empty..." when it is empty or missing.
std::string ReadConf(std::string_view section, std::string_view key, std::string_view file);
// The same value as it is stored: "" when it is empty or missing.
std::string ReadConfValue(std::string_view section, std::string_view key, std::string_view file);
// How many keys a section of that file holds (0 when the file or section is missing).
int ConfKeyCount(std::string_view section, std::string_view file);

// True when path names a normal file; false for a folder, a missing file or a bad path.
bool FileExists(std::string_view path);

}  // namespace qv::engine
