#pragma once
// The name rules of the file entry point. Both look for the last "." anywhere in the path, so a
// path whose only dot lies in a folder name takes the rest of the path as its extension.
#include <string>
#include <string_view>

namespace qv::cipher {

// The text after the last ".", in lower case; empty when there is no dot or the path ends in it.
std::string FileExtension(std::string_view path);

// The text before the last "."; the whole path when it has none.
std::string FileNameWithoutExtension(std::string_view path);

}  // namespace qv::cipher
