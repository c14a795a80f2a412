#pragma once
// Code assignment of the Huffman coder: the tree of the two lightest nodes and the walk that
// gives each leaf its code.
#include <array>
#include <cstdint>

namespace qv::cipher {

struct HuffmanCode {
    uint8_t length = 0;  // 0 for a value that does not occur (and for a lone value)
    uint64_t bits = 0;   // bit k is the code's k-th bit from the root
};

// Codes for the byte counts. Leaves are the values that occur, in ascending order; each merge
// joins the two lightest parentless nodes, found by one scan in index order (a node never
// displaces one of equal weight; while both slots are equal a lighter node displaces the first),
// the first found becoming the Zero child and the second the One child. Total counts below 2^31
// keep every code within 64 bits.
std::array<HuffmanCode, 256> BuildHuffmanCodes(const std::array<uint64_t, 256>& counts);

}  // namespace qv::cipher
