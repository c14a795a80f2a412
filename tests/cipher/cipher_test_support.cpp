#include "tests/cipher/cipher_test_support.h"

#include "cipher/huffman.h"

#include <fstream>
#include <random>
#include <sstream>

namespace qv::cipher::test {

std::map<std::string, std::string> LoadVectors() {
    std::ifstream in(std::string(QV_FIXTURES) + "/cipher/vectors.txt");
    std::map<std::string, std::string> v;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        auto eq = line.find(" = ");
        if (eq == std::string::npos) {
            auto bare = line.find(" =");
            if (bare != std::string::npos) v[line.substr(0, bare)] = "";
            continue;
        }
        v[line.substr(0, eq)] = line.substr(eq + 3);
    }
    return v;
}

std::string FromHex(const std::string& hex) {
    std::string out;
    for (std::size_t k = 0; k + 1 < hex.size(); k += 2)
        out += static_cast<char>(std::stoi(hex.substr(k, 2), nullptr, 16));
    return out;
}

std::string ToHex(const std::string& bytes) {
    static const char* d = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += d[c >> 4];
        out += d[c & 15];
    }
    return out;
}

std::string Fixture(const std::string& name) {
    std::ifstream in(std::string(QV_FIXTURES) + "/cipher/" + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

RandomSource Lcg(uint64_t seed) {
    return [x = seed]() mutable {
        x = (x * 1103515245 + 12345) % (uint64_t{1} << 31);
        return static_cast<double>(x) / static_cast<double>(uint64_t{1} << 31);
    };
}

std::string RandomBytes(std::size_t n, int distribution, uint32_t seed) {
    std::mt19937 g(seed);
    std::string s(n, '\0');
    std::geometric_distribution<int> geo(0.3);
    for (auto& c : s) {
        switch (distribution) {
            case 0: c = static_cast<char>(g() & 255); break;              // uniform
            case 1: c = static_cast<char>(geo(g) & 255); break;           // skewed
            case 2: c = static_cast<char>("ab"[g() % 2]); break;          // two values
            case 3: c = static_cast<char>(' ' + g() % 95); break;         // printable text
            default: c = static_cast<char>((g() % 100) < 97 ? 'x' : g() & 255); break;  // near constant
        }
    }
    return s;
}

std::vector<DamagedBlock> DamagedCompressedBlocks() {
    std::string good = "abracadabra, abracadabra";
    EXPECT_TRUE(HuffmanEncode(good));
    EXPECT_EQ(good.substr(0, 4), "HE3\r");
    auto patched = [&](std::size_t at, const std::string& bytes) {
        std::string b = good;
        b.replace(at, bytes.size(), bytes);
        return b;
    };
    // Values 'a', 'b' and 'c' with the codes 00, 01 and 10, then data bits 1 1, which lead off
    // the tree.
    const std::string offTree =
        std::string("HE3\r\x00\x02\x00\x00\x00\x03\x00" "a\x02" "b\x02" "c\x02", 17) + "\x18\x03";
    return {
        {"unknown signature", "HE1\rabracadabra", Damage::UnknownFormat},
        {"no block at all", "", Damage::UnknownFormat},
        {"a block of one byte", "H", Damage::UnknownFormat},
        {"header cut", good.substr(0, 7), Damage::Corrupt},
        {"bits off the tree", offTree, Damage::Corrupt},
        {"n of 1", patched(9, std::string("\x01\x00", 2)), Damage::Corrupt},
        {"n of 257", patched(9, std::string("\x01\x01", 2)), Damage::Corrupt},
        {"code length 0", patched(12, std::string(1, '\0')), Damage::Corrupt},
        {"code length over what a tree allows", patched(12, "\x09"), Damage::Corrupt},
        {"length the data cannot hold", patched(5, std::string("\x00\x10\x00\x00", 4)), Damage::Corrupt},
        {"data cut short", good.substr(0, good.size() - 1), Damage::Corrupt},
        {"one data byte changed", patched(good.size() - 1, std::string(1, static_cast<char>(good.back() ^ 0x02))),
         Damage::Checksum},
    };
}

}  // namespace qv::cipher::test
