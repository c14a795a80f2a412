#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "cipher/byte_xor.h"
#include "cipher/huffman.h"
#include "cipher/progress.h"
#include "cipher/ultra_state.h"

namespace qv::cipher {

namespace {

constexpr int kMaxNodes = 512;
constexpr unsigned kTableBits = 12;

// The decoding tree: node 0 is the root, -1 a missing link, value -1 an inner node.
struct DecodeTree {
    std::array<int16_t, kMaxNodes> zero;
    std::array<int16_t, kMaxNodes> one;
    std::array<int16_t, kMaxNodes> value;
    int size = 1;

    DecodeTree() {
        zero.fill(-1);
        one.fill(-1);
        value.fill(-1);
    }
    int16_t child(int node, unsigned bit) const {
        return bit ? one[static_cast<std::size_t>(node)] : zero[static_cast<std::size_t>(node)];
    }
    bool isLeaf(int node) const { return value[static_cast<std::size_t>(node)] >= 0; }
};

// Bits of a block, least significant first; reads past the end see zero bits.
class BitReader {
public:
    BitReader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool bit(uint64_t pos) const { return (data_[pos >> 3] >> (pos & 7)) & 1u; }
    // At least 57 bits starting at pos.
    uint64_t peek(uint64_t pos) const {
        const std::size_t byte = static_cast<std::size_t>(pos >> 3);
        uint64_t w = 0;
        if (byte + 8 <= size_) {
            std::memcpy(&w, data_ + byte, 8);
        } else {
            for (std::size_t k = 0; byte + k < size_ && k < 8; ++k) w |= uint64_t{data_[byte + k]} << (8 * k);
        }
        return w >> (pos & 7);
    }

private:
    const uint8_t* data_;
    std::size_t size_;
};
static_assert(std::endian::native == std::endian::little, "the bit reader loads little-endian words");

// Adds one code's path to the tree. False when the code does not fit a prefix code: it runs
// through a leaf, ends on a node already there, or the node table is full.
bool BuildTree(DecodeTree& tree, const BitReader& bits, uint64_t& pos, unsigned length, int16_t value) {
    int node = 0;
    bool created = false;
    for (unsigned k = 0; k < length; ++k) {
        if (tree.isLeaf(node)) return false;
        const unsigned b = bits.bit(pos++);
        auto& link = b ? tree.one[static_cast<std::size_t>(node)] : tree.zero[static_cast<std::size_t>(node)];
        created = link == -1;
        if (created) {
            if (tree.size == kMaxNodes) return false;
            link = static_cast<int16_t>(tree.size++);
        }
        node = link;
    }
    if (!created) return false;
    tree.value[static_cast<std::size_t>(node)] = value;
    return true;
}

// One entry per pattern of the next kTableBits bits: a leaf reached within them, an inner node
// reached after all of them, or a walk off the tree.
struct TableEntry {
    int16_t target = -1;  // value of a leaf, or node to continue from; -1 off the tree
    uint8_t bits = 0;     // bits consumed
    bool leaf = false;
};

std::vector<TableEntry> BuildTable(const DecodeTree& tree) {
    std::vector<TableEntry> table(std::size_t{1} << kTableBits);
    for (std::size_t idx = 0; idx < table.size(); ++idx) {
        int node = 0;
        TableEntry e;
        for (unsigned b = 0; b < kTableBits; ++b) {
            node = tree.child(node, (idx >> b) & 1u);
            if (node < 0) break;
            if (tree.isLeaf(node)) {
                e = TableEntry{tree.value[static_cast<std::size_t>(node)], static_cast<uint8_t>(b + 1), true};
                break;
            }
            if (b + 1 == kTableBits) e = TableEntry{static_cast<int16_t>(node), static_cast<uint8_t>(kTableBits), false};
        }
        table[idx] = e;
    }
    return table;
}

// The fast path's entries: for each pattern of the next kTableBits bits, the one or two whole
// codes it starts with, packed as bits consumed (bits 0-5, 0 when the pattern needs the slow
// path; kept lowest so that it serves directly as a shift count), count of values (6-7), first
// value (8-15) and second value (16-23).
std::vector<uint32_t> BuildPairTable(const std::vector<TableEntry>& single) {
    std::vector<uint32_t> pairs(single.size(), 0);
    for (std::size_t idx = 0; idx < single.size(); ++idx) {
        const TableEntry& a = single[idx];
        if (!a.leaf) continue;
        uint32_t count = 1, used = a.bits, second = 0;
        // The rest of the pattern holds a second code when that code fits in what is left; the
        // single entry of the rest read only the low bits it needed, which are real bits here.
        const TableEntry& b = single[idx >> a.bits];
        if (b.leaf && a.bits + b.bits <= kTableBits) {
            count = 2;
            used += b.bits;
            second = static_cast<uint8_t>(b.target);
        }
        pairs[idx] = used | count << 6 | static_cast<uint32_t>(static_cast<uint8_t>(a.target)) << 8 | second << 16;
    }
    return pairs;
}

uint64_t getLE(const uint8_t* p, int bytes) {
    uint64_t v = 0;
    for (int k = 0; k < bytes; ++k) v |= uint64_t{p[k]} << (8 * k);
    return v;
}

HuffmanStatus decodeHE3(std::string& buffer) {
    const std::size_t size = buffer.size();
    const auto* in = reinterpret_cast<const uint8_t*>(buffer.data());
    if (size < 11) return HuffmanStatus::Corrupt;
    const uint8_t storedSum = in[4];
    const auto length = static_cast<int32_t>(static_cast<uint32_t>(getLE(in + 5, 4)));
    const auto n = static_cast<int16_t>(static_cast<uint16_t>(getLE(in + 9, 2)));
    // A stated length of 0 is checked like any other: the table, the data and the checksum.
    if (length < 0 || n < 2 || n > 256) return HuffmanStatus::Corrupt;
    const std::size_t tableAt = 11 + 2 * static_cast<std::size_t>(n);
    if (size < tableAt) return HuffmanStatus::Corrupt;

    // Each value gets the length of its pair; the codes' bits follow in ascending order of value,
    // whatever the order of the pairs.
    std::array<uint8_t, 256> lengths{};
    for (int k = 0; k < n; ++k) {
        const uint8_t len = in[11 + 2 * k + 1];
        if (len == 0) return HuffmanStatus::Corrupt;
        lengths[in[11 + 2 * k]] = len;
    }
    uint64_t codeBits = 0;
    unsigned shortest = 255, longest = 0, distinct = 0;
    for (const uint8_t len : lengths) {
        if (len == 0) continue;
        ++distinct;
        codeBits += len;
        shortest = std::min<unsigned>(shortest, len);
        longest = std::max<unsigned>(longest, len);
    }
    // A tree of that many leaves has no code longer than one bit fewer.
    if (longest > distinct - 1) return HuffmanStatus::Corrupt;
    const std::size_t dataAt = tableAt + static_cast<std::size_t>((codeBits + 7) / 8);
    if (dataAt > size) return HuffmanStatus::Corrupt;
    // Every output byte takes at least the shortest code's bits.
    if (static_cast<uint64_t>(length) * shortest > static_cast<uint64_t>(size - dataAt) * 8)
        return HuffmanStatus::Corrupt;

    const BitReader bits(in, size);
    DecodeTree tree;
    uint64_t pos = static_cast<uint64_t>(tableAt) * 8;
    for (int v = 0; v < 256; ++v)
        if (lengths[static_cast<std::size_t>(v)] != 0 &&
            !BuildTree(tree, bits, pos, lengths[static_cast<std::size_t>(v)], static_cast<int16_t>(v)))
            return HuffmanStatus::Corrupt;
    const auto table = BuildTable(tree);

    std::string out(static_cast<std::size_t>(length), '\0');
    auto* o = reinterpret_cast<uint8_t*>(out.data());
    uint8_t* const oEnd = o + length;
    const uint64_t endBits = static_cast<uint64_t>(size) * 8;
    const double blockLength = static_cast<double>(size);
    pos = static_cast<uint64_t>(dataAt) * 8;
    // Checkpoints follow each input byte whose position, counted from 1, is a multiple of 10000.
    uint64_t checkpoint = (dataAt / 10000 + 1) * 10000;
    constexpr uint64_t kMask = (uint64_t{1} << kTableBits) - 1;
    const auto pairs = BuildPairTable(table);
    const bool fixedLength = shortest == longest && longest <= kTableBits && distinct == 1u << longest;
    const uint64_t fixedMask = (uint64_t{1} << longest) - 1;
    std::array<uint8_t, std::size_t{1} << kTableBits> fixedValues{};
    if (fixedLength)
        for (std::size_t idx = 0; idx <= fixedMask; ++idx) fixedValues[idx] = static_cast<uint8_t>(table[idx].target);
    // One code read on its own; false when its bits lead off the tree.
    auto decodeOne = [&]() {
        const TableEntry& e = table[bits.peek(pos) & kMask];
        if (e.leaf) {
            pos += e.bits;
            *o++ = static_cast<uint8_t>(e.target);
            return true;
        }
        if (e.target < 0) return false;
        int node = e.target;
        pos += kTableBits;
        while (!tree.isLeaf(node)) {
            if (pos >= endBits) return false;
            node = tree.child(node, bits.bit(pos++));
            if (node < 0) return false;
        }
        *o++ = static_cast<uint8_t>(tree.value[static_cast<std::size_t>(node)]);
        return true;
    };
    while (o < oEnd) {
        const uint64_t stop = std::min(endBits, checkpoint * 8);
        // Codes all of one length L that use every pattern of L bits (uniform data gives 256
        // codes of 8 bits): the k-th code starts at bit k * L, so four codes are read from one
        // load without waiting for each other.
        if (fixedLength) {
            while (pos + 64 <= stop && oEnd - o >= 4) {
                uint64_t window;
                std::memcpy(&window, in + (pos >> 3), 8);
                window >>= pos & 7;
                for (unsigned r = 0; r < 4; ++r) o[r] = fixedValues[(window >> (r * longest)) & fixedMask];
                o += 4;
                pos += 4 * longest;
            }
        }
        // Fast path: four table entries from one load of the next 57 bits or more, each giving
        // one or two values. Every code taken this way starts and ends before stop, and room for
        // eight values is left, so the exact loop below decides the last values and the
        // checkpoints as if each code were read on its own.
        while (pos + 64 <= stop && oEnd - o >= 8) {
            uint64_t window;
            std::memcpy(&window, in + (pos >> 3), 8);
            window >>= pos & 7;
            unsigned used = 0;
            int r = 0;
            for (; r < 4; ++r) {
                const uint32_t e = pairs[window & kMask];
                if ((e & 63) == 0) break;
                window >>= e & 63;
                used += e & 63;
                o[0] = static_cast<uint8_t>(e >> 8);
                o[1] = static_cast<uint8_t>(e >> 16);
                o += (e >> 6) & 3;
            }
            pos += used;
            // A long code or bits off the tree: read that code the slow way (at most six values
            // were written, so the room holds it).
            if (r < 4 && !decodeOne()) return HuffmanStatus::Corrupt;
        }
        while (o < oEnd && pos < stop)
            if (!decodeOne()) return HuffmanStatus::Corrupt;
        // A code that needed bits past the end means the data stopped short of the length.
        if (pos > endBits || (o < oEnd && pos >= endBits)) return HuffmanStatus::Corrupt;
        if (o < oEnd) {
            PumpMessages();
            if (ULTRA.AbortRequested) return HuffmanStatus::Aborted;
            ReportProgress(static_cast<double>(checkpoint) / blockLength * 50 + 45);
            checkpoint += 10000;
        }
    }

    uint8_t sum = 0;
    const double outLength = static_cast<double>(length);
    for (std::size_t i = 0; i < out.size(); i += 10000) {
        PumpMessages();
        if (ULTRA.AbortRequested) return HuffmanStatus::Aborted;
        ReportProgress(static_cast<double>(i) / outLength * 50 + 50);
        sum ^= XorOfBytes(reinterpret_cast<const uint8_t*>(out.data()) + i, std::min(out.size(), i + 10000) - i);
    }
    if (sum != storedSum) {
        buffer.swap(out);
        return HuffmanStatus::ChecksumMismatch;
    }
    // The coder writes the data's last code into the block's last byte: whole bytes after it
    // mean the stated length is not the block's (a length cut short, or cut to 0).
    if ((pos + 7) / 8 < size) return HuffmanStatus::Corrupt;
    buffer.swap(out);
    return HuffmanStatus::Ok;
}

}  // namespace

HuffmanStatus HuffmanDecode(std::string& buffer) {
    if (buffer.size() >= 4 && buffer.compare(0, 4, "HE0\r", 4) == 0) {
        buffer.erase(0, 4);
        return HuffmanStatus::Ok;
    }
    if (buffer.size() < 4 || buffer.compare(0, 4, "HE3\r", 4) != 0) return HuffmanStatus::UnknownFormat;
    return decodeHE3(buffer);
}

std::string HuffmanErrorDescription(HuffmanStatus status) {
    switch (status) {
        case HuffmanStatus::UnknownFormat:
            return "The data either was not compressed with HE3 or is corrupt (identification string not found)";
        case HuffmanStatus::Corrupt: return "The data was compressed with HE3 but is corrupt";
        default: return "";
    }
}

}  // namespace qv::cipher
