#pragma once
// The byte-oriented Huffman coder. Its output is a self-describing block:
//   HE3: "HE3\r", the Xor of the input bytes, the input length (int32, little-endian), the
//        number n of byte values that occur (int16), n (value, code length) pairs in ascending
//        order of value, the codes' bits in ascending order of value, then the data's bits
//        starting in a fresh byte; bits are packed least significant first and the last byte of
//        each section is padded with zeros, so the block ends with the byte of the last code.
//   HE0: "HE0\r" followed by the input unchanged, when coding would not make the data smaller.
// Both directions draw progress and stop when AbortRequested is set.
#include <string>

namespace qv::cipher {

enum class HuffmanStatus {
    Ok,
    Aborted,           // buffer unchanged
    ChecksumMismatch,  // buffer holds the decoded bytes, whose Xor differs from the stored one
    UnknownFormat,     // neither signature; buffer unchanged
    Corrupt,           // an HE3 block that cannot be decoded, or whose data goes on past its
                       // stated length; buffer unchanged
};

// Replaces buffer with its HE3 or HE0 block. Returns false (buffer unchanged) when aborted.
bool HuffmanEncode(std::string& buffer);

// Replaces buffer with the bytes its block holds.
HuffmanStatus HuffmanDecode(std::string& buffer);

// The run-time error description of a failed decode: UnknownFormat and Corrupt.
std::string HuffmanErrorDescription(HuffmanStatus status);

}  // namespace qv::cipher
