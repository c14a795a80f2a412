// Text of any shape on the decryption path of the text entry point: the outcome is one of its
// codes, a refused text comes back exactly as passed in, and a stream the decoder accepts gives
// the text it carried. The input is tried three ways: as a whole text (when it reads as an
// envelope), as the body of an envelope, and as the deciphered stream of an envelope
// (enciphered and wrapped here), so that inputs reach the salt check and the decompressor.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cipher/base64.h"
#include "cipher/crypt_text.h"
#include "cipher/stream_cipher.h"
#include "cipher/text_envelope.h"
#include "cipher/ultra_state.h"

namespace {
constexpr std::string_view kKey = "Secret7!";

// Decrypts text, which reads as an envelope of this version; returns the result.
std::string decrypt(const std::string& text) {
    using namespace qv::cipher;
    const std::string r = CryptText(text, kKey, "");
    switch (ULTRA.ErrorCode) {
        case kErrNone: return r;
        case kErrChecksum:
        case kErrDecodeText:
            if (r != text || ULTRA.ErrorText.empty()) std::abort();
            return r;
        default: std::abort();
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace qv::cipher;
    const std::string input(reinterpret_cast<const char*>(data), size);

    // The whole text: only envelopes, so that the fuzzer stays on the decryption path.
    if (const int16_t kind = DetectEnvelope(input); kind != 0) {
        const std::string r = CryptText(input, kKey, "");
        const int16_t code = ULTRA.ErrorCode;
        if (code != 0 && r != input) std::abort();
        if (kind == 1 && code != 0 && code != kErrChecksum && code != kErrDecodeText) std::abort();
        if (kind == 2 && code != kErrTextVersion) std::abort();
        if (kind == 3 && code != kErrEnvelope) std::abort();
    }

    // An empty body makes a text too short to be an envelope.
    if (input.empty()) return 0;

    // The body of an envelope.
    decrypt(WrapEnvelope(input));

    // The deciphered stream: salt, compressed text, check bytes.
    std::string stream = input;
    KeySchedule(kKey, "");
    EncryptBytes(stream);
    const std::string text = decrypt(WrapEnvelope(Base64Encode(stream, 60)));
    if (ULTRA.ErrorCode == 0) {
        // Accepted only when the salt length and the check bytes fit; then the result is the
        // decompressed text between them.
        const std::size_t n = input.size();
        const std::size_t l = n ? static_cast<unsigned char>(input[0]) : 0;
        if (n < 4 || l < 2 || l > n - 2 || input[n - 2] != input[l - 2] || input[n - 1] != input[l - 1]) std::abort();
        std::string inner = input.substr(l, n - l - 2);
        if (DecompressString(inner) != HuffmanStatus::Ok || inner != text) std::abort();
    }
    return 0;
}
