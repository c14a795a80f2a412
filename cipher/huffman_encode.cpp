#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>

#include "cipher/byte_xor.h"
#include "cipher/huffman.h"
#include "cipher/huffman_tree.h"
#include "cipher/progress.h"
#include "cipher/ultra_state.h"

namespace qv::cipher {

namespace {
static_assert(std::endian::native == std::endian::little, "the bit writer stores little-endian words");

// Appends bits least significant first into a buffer sized beforehand with 8 bytes to spare.
// Every code stores the whole accumulator and moves on by the bytes it completed, so no branch
// depends on where a byte ends; at most 7 bits wait in the accumulator between codes.
class BitWriter {
public:
    explicit BitWriter(char* out) : out_(out) {}
    inline void put(uint64_t bits, unsigned length) {
        if (length > 56) {
            putShort(bits & 0xFFFFFFFFu, 32);
            bits >>= 32;
            length -= 32;
        }
        putShort(bits, length);
    }
    // Writes a partly filled byte and starts the next section in a fresh byte.
    void flush() {
        if (count_ > 0) *out_++ = static_cast<char>(acc_ & 255);
        acc_ = 0;
        count_ = 0;
    }
    char* position() const { return out_; }

private:
    inline void putShort(uint64_t bits, unsigned length) {
        acc_ |= bits << count_;
        count_ += length;
        std::memcpy(out_, &acc_, 8);
        out_ += count_ >> 3;
        acc_ >>= count_ & 56;
        count_ &= 7;
    }

    char* out_;
    uint64_t acc_ = 0;
    unsigned count_ = 0;
};

void storeRaw(std::string& buffer) { buffer.insert(0, "HE0\r", 4); }

void putLE(char* p, uint64_t v, int bytes) {
    for (int k = 0; k < bytes; ++k) p[k] = static_cast<char>((v >> (8 * k)) & 255);
}
}  // namespace

bool HuffmanEncode(std::string& buffer) {
    const std::size_t length = buffer.size();
    // The stored length is a signed 32-bit number; larger inputs go unchanged behind HE0.
    if (length == 0 || length > static_cast<std::size_t>(std::numeric_limits<int32_t>::max())) {
        storeRaw(buffer);
        return true;
    }
    const auto* in = reinterpret_cast<const uint8_t*>(buffer.data());
    const double len = static_cast<double>(length);

    // Counting, with a checkpoint every 1000 bytes; four tables keep the increments independent.
    std::array<std::array<uint64_t, 256>, 4> part{};
    for (std::size_t i = 0; i < length; i += 1000) {
        ++part[0][in[i]];
        PumpMessages();
        if (ULTRA.AbortRequested) return false;
        ReportProgress(static_cast<double>(i) / len * 3);
        const std::size_t end = std::min(length, i + 1000);
        std::size_t k = i + 1;
        for (; k + 4 <= end; k += 4) {
            ++part[0][in[k]];
            ++part[1][in[k + 1]];
            ++part[2][in[k + 2]];
            ++part[3][in[k + 3]];
        }
        for (; k < end; ++k) ++part[0][in[k]];
    }
    std::array<uint64_t, 256> counts{};
    for (int v = 0; v < 256; ++v)
        counts[static_cast<std::size_t>(v)] = part[0][static_cast<std::size_t>(v)] + part[1][static_cast<std::size_t>(v)] +
                                              part[2][static_cast<std::size_t>(v)] + part[3][static_cast<std::size_t>(v)];

    const auto codes = BuildHuffmanCodes(counts);
    uint64_t dataBits = 0, codeBits = 0;
    int present = 0;
    for (int v = 0; v < 256; ++v) {
        const auto& c = codes[static_cast<std::size_t>(v)];
        dataBits += c.length * counts[static_cast<std::size_t>(v)];
        codeBits += c.length;
        present += c.length > 0;
    }
    const uint64_t dataBytes = (dataBits + 7) / 8;
    // HE3 whenever the coded data alone is no longer than the input.
    if (dataBytes == 0 || dataBytes > length) {
        storeRaw(buffer);
        return true;
    }

    uint8_t checksum = 0;
    for (std::size_t i = 0; i < length; i += 10000) {
        PumpMessages();
        if (ULTRA.AbortRequested) return false;
        ReportProgress(static_cast<double>(i) / len * 3 + 3);
        checksum ^= XorOfBytes(in + i, std::min(length, i + 10000) - i);
    }

    const std::size_t tableBytes = static_cast<std::size_t>((codeBits + 7) / 8);
    const std::size_t total = 11 + 2 * static_cast<std::size_t>(present) + tableBytes + dataBytes;
    std::string out(total + 8, '\0');
    char* p = out.data();
    std::memcpy(p, "HE3\r", 4);
    p[4] = static_cast<char>(checksum);
    putLE(p + 5, length, 4);
    putLE(p + 9, static_cast<uint64_t>(present), 2);
    p += 11;
    for (int v = 0; v < 256; ++v) {
        const auto& c = codes[static_cast<std::size_t>(v)];
        if (c.length == 0) continue;
        *p++ = static_cast<char>(v);
        *p++ = static_cast<char>(c.length);
    }
    BitWriter table(p);
    for (const auto& c : codes)
        if (c.length) table.put(c.bits, c.length);
    table.flush();

    BitWriter data(table.position());
    for (std::size_t i = 0; i < length; i += 10000) {
        PumpMessages();
        if (ULTRA.AbortRequested) return false;
        ReportProgress(static_cast<double>(i) / len * 44 + 6);
        const std::size_t end = std::min(length, i + 10000);
        std::size_t k = i;
        // Two codes joined into one write when they fit together, which halves the stores.
        for (; k + 2 <= end; k += 2) {
            const auto& c1 = codes[in[k]];
            const auto& c2 = codes[in[k + 1]];
            const unsigned joined = c1.length + c2.length;
            if (joined <= 56) {
                data.put(c1.bits | c2.bits << c1.length, joined);
            } else {
                data.put(c1.bits, c1.length);
                data.put(c2.bits, c2.length);
            }
        }
        for (; k < end; ++k) data.put(codes[in[k]].bits, codes[in[k]].length);
    }
    data.flush();
    out.resize(total);
    buffer.swap(out);
    return true;
}

}  // namespace qv::cipher
