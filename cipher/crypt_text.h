#pragma once
// The text entry point: an envelope is decrypted, any other text is encrypted into one. The
// envelope's body carries the same salted, compressed and enciphered stream as a file, without
// the stored extension. The outcome is left in ULTRA.ErrorCode and ULTRA.ErrorText.
#include <string>
#include <string_view>

#include "cipher/huffman.h"

namespace qv::cipher {

// The envelope, the decrypted text, or text unchanged when ErrorCode is not 0 afterwards.
std::string CryptText(std::string_view text, std::string_view key, std::string_view pcc);

// The text's bytes through the Huffman coder and back.
bool CompressString(std::string& text);
HuffmanStatus DecompressString(std::string& text);

}  // namespace qv::cipher
