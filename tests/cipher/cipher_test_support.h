#pragma once
// Shared helpers of the cipher tests: the known-answer file, hex, a recording progress sink and
// a fresh module state per test.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "cipher/ultra.h"

namespace qv::cipher::test {

std::map<std::string, std::string> LoadVectors();  // tests/fixtures/cipher/vectors.txt
std::string FromHex(const std::string& hex);
std::string ToHex(const std::string& bytes);
std::string Fixture(const std::string& name);  // the bytes of tests/fixtures/cipher/<name>

// The stand-in for the salt's random numbers that the vectors were made with.
RandomSource Lcg(uint64_t seed);

// Random bytes drawn from a few distributions.
std::string RandomBytes(std::size_t n, int distribution, uint32_t seed);

// Compressed blocks that the decompressor must refuse, made from one good block: not a block
// of ours at all, a block whose structure does not read, or a sound block whose checksum fails.
enum class Damage { UnknownFormat, Corrupt, Checksum };
struct DamagedBlock {
    const char* what;
    std::string block;
    Damage damage;
};
std::vector<DamagedBlock> DamagedCompressedBlocks();

// Records every progress value and pump; onPump runs at each pump (to abort or re-enter).
class RecordingPump : public ProgressPump {
public:
    void showProgress(float p) override { shown.push_back(p); }
    void pumpMessages() override {
        ++pumps;
        if (onPump) onPump(pumps);
    }
    void setBusyPointer(bool busy) override { busyChanges.push_back(busy); }
    std::vector<float> shown;
    std::vector<bool> busyChanges;
    int pumps = 0;
    std::function<void(int)> onPump;
};

// Resets the module state and installs a recording sink for the test's lifetime.
class CipherTest : public ::testing::Test {
protected:
    void SetUp() override {
        ULTRA = UltraState{};
        SetProgressPump(&pump);
        SetRandomSource({});
    }
    void TearDown() override {
        SetProgressPump(nullptr);
        SetRandomSource({});
    }
    RecordingPump pump;
};

}  // namespace qv::cipher::test
