#include "cipher/stream_cipher.h"

#include <algorithm>
#include <numeric>

#include "cipher/progress.h"
#include "cipher/ultra_state.h"

namespace qv::cipher {

namespace {

// x mod n for 0 <= x < 3n, without a division.
template <int N>
inline unsigned mod3(unsigned x) {
    x = x >= 2 * N ? x - 2 * N : x;
    return x >= N ? x - N : x;
}

template <int N>
inline unsigned mod2(unsigned x) {
    return x >= N ? x - N : x;
}

// One stage: advance i, move j by the permutation and the input byte, swap, and look up the
// output entry.
template <int N>
inline unsigned stage(Permutation<N>& p, unsigned in) {
    unsigned i = p.i + 1u;
    i = i == N ? 0 : i;
    const unsigned si = p.s[i];
    const unsigned j = mod3<N>(si + p.j + in);
    const unsigned sj = p.s[j];
    p.s[i] = static_cast<uint16_t>(sj);
    p.s[j] = static_cast<uint16_t>(si);
    p.i = static_cast<uint16_t>(i);
    p.j = static_cast<uint16_t>(j);
    return p.s[mod2<N>(si + sj)];
}

template <int N>
void identity(Permutation<N>& p) {
    std::iota(std::begin(p.s), std::end(p.s), uint16_t{0});
    p.i = p.j = 0;
}

// The permutation's i-th step of the schedule: j moves by the entry and the next key byte.
template <int N>
void shuffle(Permutation<N>& p, unsigned& j, const uint8_t* key, std::size_t n) {
    for (unsigned i = 0; i < N; ++i) {
        j = (p.s[i] + j + key[i % n]) % N;
        std::swap(p.s[i], p.s[j]);
    }
}

template <int W, int N>
void fold(const Permutation<N>& p, uint8_t (&w)[W]) {
    std::fill(std::begin(w), std::end(w), uint8_t{0});
    for (unsigned i = 0; i < N; ++i) w[i % W] ^= static_cast<uint8_t>(p.s[i] & 255);
}

template <bool Encrypt>
inline uint8_t step(uint8_t* p, uint8_t fb) {
    const uint8_t in = *p;
    const uint8_t out = static_cast<uint8_t>(NextKeyByte(fb) ^ in);
    *p = out;
    return Encrypt ? out : in;
}

template <bool Encrypt>
bool runBytes(std::span<char> buffer, double scale, double offset) {
    const std::size_t n = buffer.size();
    auto* p = reinterpret_cast<uint8_t*>(buffer.data());
    const double last = n ? static_cast<double>(n - 1) : 0.0;
    for (std::size_t i = 0; i < n; i += 5000) {
        ULTRA.FeedbackByte = step<Encrypt>(p + i, ULTRA.FeedbackByte);
        PumpMessages();
        if (ULTRA.AbortRequested) return false;
        ReportProgress(ProgressFraction(static_cast<double>(i), last) * scale + offset);
        uint8_t fb = ULTRA.FeedbackByte;
        const std::size_t end = std::min(n, i + 5000);
        for (std::size_t k = i + 1; k < end; ++k) fb = step<Encrypt>(p + k, fb);
        ULTRA.FeedbackByte = fb;
    }
    return true;
}

}  // namespace

void KeySchedule(std::string_view key, std::string_view pcc) {
    static const uint8_t kNoKey = 0;
    const auto* k = key.empty() ? &kNoKey : reinterpret_cast<const uint8_t*>(key.data());
    const std::size_t n = key.empty() ? 1 : key.size();

    unsigned j = 0;  // runs on through all three permutations
    identity(ULTRA.A);
    shuffle(ULTRA.A, j, k, n);
    uint8_t w17[17];
    fold(ULTRA.A, w17);

    identity(ULTRA.B);
    shuffle(ULTRA.B, j, w17, 17);
    uint8_t w23[23];
    fold(ULTRA.B, w23);
    for (std::size_t i = 0; i < 23 && !pcc.empty(); ++i)
        w23[i] ^= static_cast<uint8_t>(pcc[i % pcc.size()]);

    identity(ULTRA.C);
    shuffle(ULTRA.C, j, w23, 23);
    ULTRA.FeedbackByte = 0;
    std::fill(std::begin(w17), std::end(w17), uint8_t{0});
    std::fill(std::begin(w23), std::end(w23), uint8_t{0});
}

uint8_t NextKeyByte(uint8_t fb) {
    const unsigned ka = stage(ULTRA.A, fb) & 255u;
    const unsigned kb = stage(ULTRA.B, ka);
    const unsigned kc = stage(ULTRA.C, kb);
    return static_cast<uint8_t>((ka + kb + kc) & 255u);
}

uint8_t EncryptByte(uint8_t plain) {
    const uint8_t c = static_cast<uint8_t>(NextKeyByte(ULTRA.FeedbackByte) ^ plain);
    ULTRA.FeedbackByte = c;
    return c;
}

uint8_t DecryptByte(uint8_t cipher) {
    const uint8_t k = NextKeyByte(ULTRA.FeedbackByte);
    ULTRA.FeedbackByte = cipher;
    return static_cast<uint8_t>(k ^ cipher);
}

bool EncryptBytes(std::span<char> buffer) { return runBytes<true>(buffer, 44.0, 56.0); }

bool DecryptBytes(std::span<char> buffer) { return runBytes<false>(buffer, 50.0, 0.0); }

}  // namespace qv::cipher
