#pragma once
// The encrypted file format, held in memory:
//   the 22-byte marker line "= BRENQUIST (c) TAVREL =" with the copyright sign as byte 0xA9,
//   then one cipher stream keyed by (key, pcc): the salt (its first byte is its length L),
//   the stored extension and a 0 byte, the compressed payload (an HE3 or HE0 block), and the
//   salt's last two bytes once more as check bytes.
#include <cstdint>
#include <string>
#include <string_view>

namespace qv::cipher {

// The marker line that starts every encrypted file.
extern const std::string_view kCipherFileMarker;
// The run-time description of a stored extension that cannot name a file (code 22).
extern const char* const kBadFileName;

// The outcome of encoding or decoding, as an error code of the module (0 for success) with the
// run-time description of codes 12 and 22.
struct CipherFileResult {
    int16_t code = 0;
    std::string description;
    std::string extension;  // decoding: the stored extension, without a dot
    std::string data;       // encoding: the whole file; decoding: the plain bytes
};

// Compresses data, salts and enciphers it with extension stored; code 11 when aborted.
CipherFileResult EncodeCipherFile(std::string data, std::string_view extension, std::string_view key,
                                  std::string_view pcc);

// Deciphers and decompresses a whole encrypted file (marker line included). Codes: 21 aborted,
// 22 truncated, corrupt or an unsafe stored extension (file_names.h), 23 wrong key or PCC or
// damaged (no room for the check bytes included), 5 checksum.
CipherFileResult DecodeCipherFile(std::string_view file, std::string_view key, std::string_view pcc);

// True when file starts with the marker line.
bool HasCipherFileMarker(std::string_view file);

}  // namespace qv::cipher
