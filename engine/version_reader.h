#pragma once
// The description and version an executable declares in its version block, found by searching
// the file's bytes for the block's key texts (wide or narrow). "" when the file cannot be read or
// holds no such entry. Answers are kept per path, file size and modification time, since the
// application list asks for every listed program on every full pass.
#include <string>
#include <string_view>

namespace qv::engine {

std::string GetFileDescription(std::string_view path);
std::string GetFileVersion(std::string_view path);

// The same searches over bytes already in memory.
std::string FileDescriptionFromBytes(std::string_view bytes);
std::string FileVersionFromBytes(std::string_view bytes);

// Forgets every kept answer.
void ClearVersionCache();

}  // namespace qv::engine
