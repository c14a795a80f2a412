#pragma once
// The file entry point: a file that starts with the marker line is decrypted, any other file is
// encrypted. The outcome is left in ULTRA.ErrorCode and ULTRA.ErrorText.
#include <cstdint>
#include <functional>
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

// Asked, with the output name, before a run replaces an existing file other than its source;
// true lets the run replace it.
using ReplaceQuestion = std::function<bool(const std::string& output)>;

// CryptFile for a person choosing the files: a run that would replace another existing file asks
// first, once the new content is complete; a No ends it as an abort (11 when encrypting, 21 when
// decrypting) with nothing written or removed.
std::string CryptFile(std::string_view source, std::string_view target, std::string_view key,
                      std::string_view pcc, const ReplaceQuestion& mayReplace);

// 1 when the file starts with the marker line; else 2 when the path ends in ".exe" in any case;
// else 0.
int16_t DetectFileType(std::string_view path);

// True when the file's length can be read.
bool SourceFileExists(std::string_view path);

}  // namespace qv::cipher
