#pragma once
// Reading procfs and sysfs files: their sizes are unknown beforehand (they report 0 or 4096), so
// they are read in a loop into a growing buffer.
#include <optional>
#include <string>

namespace qv::host::procfs {

// The whole file into out (its capacity is reused); false with errno set when it cannot be read.
bool readWholeFile(const char* path, std::string& out);
std::optional<std::string> readWholeFile(const std::string& path);
// A one-value attribute file: its first line without the line end.
std::optional<std::string> readAttribute(const std::string& path);

}  // namespace qv::host::procfs
