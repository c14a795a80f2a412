#pragma once
// The Xor of a run of bytes, the checksum of the compressed block, taken eight bytes at a time.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace qv::cipher {

inline uint8_t XorOfBytes(const uint8_t* p, std::size_t n) {
    uint64_t a = 0, b = 0;
    std::size_t k = 0;
    for (; k + 16 <= n; k += 16) {
        uint64_t u, v;
        std::memcpy(&u, p + k, 8);
        std::memcpy(&v, p + k + 8, 8);
        a ^= u;
        b ^= v;
    }
    uint64_t w = a ^ b;  // each byte lane holds the Xor of its lane; fold the eight lanes
    w ^= w >> 32;
    w ^= w >> 16;
    w ^= w >> 8;
    auto x = static_cast<uint8_t>(w);
    for (; k < n; ++k) x ^= p[k];
    return x;
}

}  // namespace qv::cipher
