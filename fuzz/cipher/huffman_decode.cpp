// A compressed block of any shape: decoding never reads out of bounds, leaves the buffer as it
// was when it refuses the block, gives exactly the stated length for an HE3 block it decodes,
// and what it decodes compresses and decodes back to itself. The input is also compressed and
// decoded back as plain data.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cipher/huffman.h"

namespace {
void roundTrip(const std::string& plain) {
    using namespace qv::cipher;
    std::string block = plain;
    if (!HuffmanEncode(block)) std::abort();
    // HE3 only when its data is no longer than the input: header, table and codes of at most
    // 64 bits each come on top.
    if (block.size() > plain.size() + 11 + 512 + 256 * 8 && block.compare(0, 4, "HE0\r") != 0) std::abort();
    if (HuffmanDecode(block) != HuffmanStatus::Ok || block != plain) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace qv::cipher;
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string buffer = input;
    const HuffmanStatus status = HuffmanDecode(buffer);
    const bool he3 = size >= 4 && std::memcmp(data, "HE3\r", 4) == 0;
    switch (status) {
        case HuffmanStatus::Ok:
        case HuffmanStatus::ChecksumMismatch:
            if (he3 && size >= 9) {
                uint32_t length = 0;
                for (int k = 0; k < 4; ++k) length |= uint32_t{data[5 + k]} << (8 * k);
                if (buffer.size() != length) std::abort();
            } else if (!he3 && buffer != input.substr(4)) {
                std::abort();
            }
            if (status == HuffmanStatus::Ok) roundTrip(buffer);
            break;
        case HuffmanStatus::UnknownFormat:
        case HuffmanStatus::Corrupt:
            if (buffer != input || HuffmanErrorDescription(status).empty()) std::abort();
            break;
        default: std::abort();  // nothing asks for an abort here
    }
    roundTrip(input);
    return 0;
}
