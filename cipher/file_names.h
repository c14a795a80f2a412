#pragma once
// The name rules of the file entry point. The extension is the part of the file's own name after
// its last "." (the name being what follows the path's last "\" or "/"), never a part of a folder.
//
// File names on this system are UTF-8, while the encrypted file stores its extension as the
// program's text, Windows-1252, in lower case. An extension that Windows-1252 can hold is stored
// in that form; one it cannot hold is stored in its own UTF-8 with its ASCII letters lowered.
#include <string>
#include <string_view>

namespace qv::cipher {

// The extension as the encrypted file stores it; empty when the name has no dot or ends in it.
std::string FileExtension(std::string_view path);

// The path without the "." and extension of its file's name; the whole path when the name has
// no dot.
std::string FileNameWithoutExtension(std::string_view path);

// The extension a stored one gives the decrypted file's name (UTF-8).
std::string ExtensionForName(std::string_view stored);

// Whether a stored extension can name the decrypted file beside its target: no "." (so no ".."
// step out of the target's folder), no drive colon, no control byte. Separators may stand in it:
// a file encrypted elsewhere from a name whose only dot lay in a folder stored the rest of the
// path, and it decrypts into that folder below the target's.
bool StorableExtension(std::string_view stored);

}  // namespace qv::cipher
