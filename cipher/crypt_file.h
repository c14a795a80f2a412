#pragma once
// The file entry point: a file that starts with the marker line is decrypted, any other file is
// encrypted. The outcome is left in ULTRA.ErrorCode and ULTRA.ErrorText.
#include <cstdint>
#include <string>
#include <string_view>

namespace qv::cipher {

// Encrypts source into FileNameWithoutExtension(target) + ".exe", or decrypts it into
// FileNameWithoutExtension(target) + "." + the stored extension (file_names.h). A source whose
// extension decryption would refuse is not encrypted: code 22, as decryption gives. The output
// is written to a temporary file and renamed into place; when source and target are the same
// text, the source is removed afterwards (unless it is the file just written). Returns the name
// written, or source when ErrorCode is not 0.
std::string CryptFile(std::string_view source, std::string_view target, std::string_view key,
                      std::string_view pcc);

// 1 when the file starts with the marker line; else 2 when the path ends in ".exe" in any case;
// else 0.
int16_t DetectFileType(std::string_view path);

// True when the file's length can be read.
bool SourceFileExists(std::string_view path);

}  // namespace qv::cipher
