// An encrypted file of any shape, decrypted in memory: the outcome is one of the decoder's
// codes, a decrypted file carries a stored extension that cannot lead outside the target's
// folder, and what comes out encrypts and decrypts back to itself. The input is tried twice:
// as the file itself, and as the deciphered stream after the marker line (enciphered here with
// the key), so that inputs reach the check bytes and the decompressor instead of failing on a
// wrong key.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cipher/cipher_file.h"
#include "cipher/salt.h"
#include "cipher/stream_cipher.h"
#include "cipher/ultra_state.h"

namespace {
constexpr std::string_view kKey = "tolmek58";

bool safeExtension(const std::string& ext) {
    for (char ch : ext) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '.' || c == ':' || c < 32 || c == 127) return false;
    }
    return true;
}

void decode(std::string_view file) {
    using namespace qv::cipher;
    const CipherFileResult r = DecodeCipherFile(file, kKey, "");
    switch (r.code) {
        case kErrNone: break;
        case kErrChecksum:
        case kErrDecodeFailed: return;
        case kErrDecodeFile:
            if (r.description.empty()) std::abort();
            return;
        default: std::abort();
    }
    if (!safeExtension(r.extension)) std::abort();
    const CipherFileResult again = EncodeCipherFile(r.data, r.extension, kKey, "");
    if (again.code != 0) std::abort();
    const CipherFileResult back = DecodeCipherFile(again.data, kKey, "");
    if (back.code != 0 || back.data != r.data || back.extension != r.extension) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace qv::cipher;
    static const bool seeded = [] {
        uint64_t x = 1;
        SetRandomSource([x]() mutable {
            x = x * 6364136223846793005u + 1442695040888963407u;
            return static_cast<double>(x >> 11) / 9007199254740992.0;
        });
        return true;
    }();
    (void)seeded;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    decode(bytes);

    std::string stream(bytes);
    KeySchedule(kKey, "");
    EncryptBytes(stream);
    decode(std::string(kCipherFileMarker) + stream);
    return 0;
}
