#include "cipher/salt.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <random>

#include "cipher/stream_cipher.h"
#include "cipher/ultra_state.h"
#include "platform/base/convert.h"
#include "platform/base/random.h"

namespace qv::cipher {

namespace {
RandomSource g_source;
std::mt19937_64 g_engine;

// Reseeding from the clock also reseeds the program's Rnd, which is seeded nowhere else; the
// salt itself comes from a generator of its own.
void reseed() {
    base::Randomize();
    if (g_source) return;
    std::random_device rd;
    auto now = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::seed_seq seq{rd(), rd(), rd(), static_cast<unsigned>(now), static_cast<unsigned>(now >> 32)};
    g_engine.seed(seq);
}

double uniform() {
    if (g_source) return g_source();
    return std::uniform_real_distribution<double>(0.0, 1.0)(g_engine);
}

int randomBelow(int n) { return static_cast<int>(std::floor(uniform() * n)); }

int32_t toLong(float v) {
    double r = base::roundHalfEven(static_cast<double>(v));
    if (!(r >= INT32_MIN && r <= INT32_MAX)) return 0;  // no real pointer position gets here
    return static_cast<int32_t>(r);
}
}  // namespace

void SetRandomSource(RandomSource source) { g_source = std::move(source); }

std::string MakeSalt() {
    reseed();
    const std::string& pool = ULTRA.EntropyPool;
    int len = randomBelow(224) + 32;
    for (char c : pool) len ^= static_cast<unsigned char>(c);
    while (len > 255) len -= 224;
    if (len < 32) len += 224;

    std::string body(static_cast<std::size_t>(len - 1), '\0');
    for (auto& c : body) c = static_cast<char>(randomBelow(256));

    std::size_t pos = 0;  // position in the pool, kept across the passes
    std::string mix(16, '\0');
    for (int r = 1; r <= 16; ++r) {
        for (auto& m : mix) {
            int b = randomBelow(256);
            if (!pool.empty()) b ^= static_cast<unsigned char>(pool[pos % pool.size()]);
            ++pos;
            m = static_cast<char>(b);
        }
        KeySchedule(mix, {});
        const bool decrypt = r % 3 == 0;
        for (auto& c : body) {
            auto v = static_cast<uint8_t>(c);
            c = static_cast<char>(decrypt ? DecryptByte(v) : EncryptByte(v));
        }
    }
    return static_cast<char>(len) + body;
}

void AddMouseEntropy(float x, float y) {
    if (x == ULTRA.LastMouseX && y == ULTRA.LastMouseY) return;
    ULTRA.LastMouseX = x;
    ULTRA.LastMouseY = y;
    ULTRA.EntropyPool += static_cast<char>((toLong(x) ^ toLong(y)) & 255);
    if (ULTRA.EntropyPool.size() > 251) ULTRA.EntropyPool.erase(0, 1);
}

}  // namespace qv::cipher
