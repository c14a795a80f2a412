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

// One stage on the entries s with the index pair (i, j): advance i, move j by the entry and
// the input byte, swap, and look up the output entry. With LateInput the entry and the old j
// are added and reduced before the input is needed, so that the step waiting for the input is
// shorter; that pays where each input waits for the byte before (encryption), while the plain
// sum keeps the chain from one j to the next shorter (decryption, whose inputs are known ahead).
template <bool LateInput, int N>
[[gnu::always_inline]] inline unsigned stage(uint16_t* s, unsigned& i, unsigned& j, unsigned in) {
    i = i + 1u == N ? 0 : i + 1u;
    const unsigned si = s[i];
    if constexpr (LateInput) {
        const unsigned t = mod2<N>(si + j);
        j = N >= 256 ? mod2<N>(t + in) : mod3<N>(t + in);  // in < 256
    } else {
        j = mod3<N>(si + j + in);
    }
    const unsigned sj = s[j];
    s[i] = static_cast<uint16_t>(sj);
    s[j] = static_cast<uint16_t>(si);
    return s[mod2<N>(si + sj)];
}

// The six indexes of the keystream generator, held in registers over a stretch of a buffer
// loop and written back to the module state before anything else can look at it.
struct Cursor {
    unsigned ia, ja, ib, jb, ic, jc;

    static Cursor load() { return {ULTRA.A.i, ULTRA.A.j, ULTRA.B.i, ULTRA.B.j, ULTRA.C.i, ULTRA.C.j}; }
    void store() const {
        ULTRA.A.i = static_cast<uint16_t>(ia);
        ULTRA.A.j = static_cast<uint16_t>(ja);
        ULTRA.B.i = static_cast<uint16_t>(ib);
        ULTRA.B.j = static_cast<uint16_t>(jb);
        ULTRA.C.i = static_cast<uint16_t>(ic);
        ULTRA.C.j = static_cast<uint16_t>(jc);
    }
    template <bool LateInput>
    [[gnu::always_inline]] inline uint8_t next(uint8_t fb) {
        const unsigned ka = stage<LateInput, 463>(ULTRA.A.s, ia, ja, fb) & 255u;
        const unsigned kb = stage<LateInput, 251>(ULTRA.B.s, ib, jb, ka);
        const unsigned kc = stage<LateInput, 181>(ULTRA.C.s, ic, jc, kb);
        return static_cast<uint8_t>((ka + kb + kc) & 255u);
    }
};

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
bool runBytes(std::span<char> buffer, double scale, double offset) {
    const std::size_t n = buffer.size();
    auto* p = reinterpret_cast<uint8_t*>(buffer.data());
    const double last = n ? static_cast<double>(n - 1) : 0.0;
    for (std::size_t i = 0; i < n; i += 5000) {
        const std::size_t end = std::min(n, i + 5000);
        Cursor c = Cursor::load();
        uint8_t fb = ULTRA.FeedbackByte;
        for (std::size_t k = i; k < end; ++k) {
            const uint8_t in = p[k];
            const uint8_t out = static_cast<uint8_t>(c.next<Encrypt>(fb) ^ in);
            p[k] = out;
            fb = Encrypt ? out : in;
            if (k == i) {
                // The checkpoint after byte i, with the module state as the byte-wise
                // procedures leave it.
                c.store();
                ULTRA.FeedbackByte = fb;
                PumpMessages();
                if (ULTRA.AbortRequested) return false;
                ReportProgress(ProgressFraction(static_cast<double>(i), last) * scale + offset);
                c = Cursor::load();
                fb = ULTRA.FeedbackByte;
            }
        }
        c.store();
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
    Cursor c = Cursor::load();
    const uint8_t k = c.next<false>(fb);
    c.store();
    return k;
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
