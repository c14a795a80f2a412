#include "cipher/huffman_tree.h"

#include <vector>

namespace qv::cipher {

namespace {
struct Node {
    int16_t parent = -1;
    int16_t one = -1;
    int16_t zero = -1;
    int16_t value = -1;
    uint64_t weight = 0;
};

// Gives every leaf below index the code reached so far: the Zero branch first, then the One one.
void AssignCodes(const std::vector<Node>& nodes, int index, HuffmanCode code,
                 std::array<HuffmanCode, 256>& table) {
    const Node& node = nodes[static_cast<std::size_t>(index)];
    if (node.value >= 0) {
        table[static_cast<std::size_t>(node.value)] = code;
        return;
    }
    const HuffmanCode next{static_cast<uint8_t>(code.length + 1), code.bits};
    if (node.zero != -1) AssignCodes(nodes, node.zero, next, table);
    if (node.one != -1) {
        HuffmanCode withOne = next;
        if (code.length < 64) withOne.bits |= uint64_t{1} << code.length;
        AssignCodes(nodes, node.one, withOne, table);
    }
}
}  // namespace

std::array<HuffmanCode, 256> BuildHuffmanCodes(const std::array<uint64_t, 256>& counts) {
    std::vector<Node> nodes;
    nodes.reserve(512);
    for (int v = 0; v < 256; ++v)
        if (counts[static_cast<std::size_t>(v)] > 0)
            nodes.push_back(Node{-1, -1, -1, static_cast<int16_t>(v), counts[static_cast<std::size_t>(v)]});

    std::array<HuffmanCode, 256> table{};
    if (nodes.empty()) return table;

    for (std::size_t free = nodes.size(); free >= 2; --free) {
        int first = -1, second = -1;
        for (int i = 0; i < static_cast<int>(nodes.size()); ++i) {
            const Node& n = nodes[static_cast<std::size_t>(i)];
            if (n.parent != -1) continue;
            const uint64_t w = n.weight;
            if (first == -1) {
                first = i;
            } else if (second == -1) {
                second = i;
            } else {
                const uint64_t fw = nodes[static_cast<std::size_t>(first)].weight;
                const uint64_t sw = nodes[static_cast<std::size_t>(second)].weight;
                if (w < fw) {
                    if (w >= sw || fw >= sw) first = i;
                    else second = i;
                } else if (w < sw) {
                    second = i;
                }
            }
        }
        const auto parent = static_cast<int16_t>(nodes.size());
        Node inner;
        inner.weight = nodes[static_cast<std::size_t>(first)].weight + nodes[static_cast<std::size_t>(second)].weight;
        inner.zero = static_cast<int16_t>(first);
        inner.one = static_cast<int16_t>(second);
        nodes[static_cast<std::size_t>(first)].parent = parent;
        nodes[static_cast<std::size_t>(second)].parent = parent;
        nodes.push_back(inner);
    }
    AssignCodes(nodes, static_cast<int>(nodes.size()) - 1, HuffmanCode{}, table);
    return table;
}

}  // namespace qv::cipher
