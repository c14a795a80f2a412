#include "cipher/crypt_text.h"

#include "cipher/base64.h"
#include "cipher/key_check.h"
#include "cipher/progress.h"
#include "cipher/salt.h"
#include "cipher/stream_cipher.h"
#include "cipher/text_envelope.h"
#include "cipher/ultra_state.h"

namespace qv::cipher {

namespace {

struct Outcome {
    int16_t code = 0;
    std::string result;
};

Outcome encryptText(const std::string& t, std::string_view key, std::string_view pcc) {
    BusyPointer busy;
    std::string c = t;
    if (!CompressString(c) || ULTRA.AbortRequested) return {kErrEncodeAborted, {}};
    std::string s = MakeSalt();
    const std::string checks = s.substr(s.size() - 2);
    s += c;
    s += checks;
    KeySchedule(key, pcc);
    if (!EncryptBytes(s)) return {kErrEncodeAborted, {}};
    Outcome o{0, WrapEnvelope(Base64Encode(s, 60))};
    ShowProgress(0);
    return o;
}

Outcome decryptText(const std::string& t, std::string_view key, std::string_view pcc) {
    ULTRA.LastPercent = 0;
    std::string s;
    {
        BusyPointer busy;
        s = Base64Decode(EnvelopeBody(t));
        KeySchedule(key, pcc);
        if (!DecryptBytes(s)) return {kErrDecodeAborted, {}};
    }
    const std::size_t n = s.size();
    const std::size_t saltLength = n ? static_cast<unsigned char>(s[0]) : 0;
    const bool sound = n >= 4 && saltLength >= 2 && saltLength <= n - 2 && s[n - 2] == s[saltLength - 2] &&
                       s[n - 1] == s[saltLength - 1];
    Outcome o;
    if (!sound) {
        o.code = kErrDecodeText;
    } else {
        o.result = s.substr(saltLength, n - saltLength - 2);
        switch (DecompressString(o.result)) {
            case HuffmanStatus::Ok: o.code = ULTRA.AbortRequested ? kErrDecodeAborted : kErrNone; break;
            case HuffmanStatus::Aborted: o.code = kErrDecodeAborted; break;
            case HuffmanStatus::ChecksumMismatch: o.code = kErrChecksum; break;
            default: o.code = kErrDecodeText; break;
        }
    }
    ShowProgress(0);
    return o;
}

Outcome run(std::string_view text, std::string_view key, std::string_view pcc) {
    const std::string t = CleanEnvelopeText(text);
    if (t.empty()) return {kErrNoText, {}};
    if (!KeyOk(key)) return {kErrBadKey, {}};
    switch (DetectEnvelope(t)) {
        case 0: ULTRA.AbortRequested = false; return encryptText(t, key, pcc);
        case 1: ULTRA.AbortRequested = false; return decryptText(t, key, pcc);
        case 2: return {kErrTextVersion, {}};
        default: return {kErrEnvelope, {}};
    }
}

}  // namespace

bool CompressString(std::string& text) { return HuffmanEncode(text); }

HuffmanStatus DecompressString(std::string& text) { return HuffmanDecode(text); }

std::string CryptText(std::string_view text, std::string_view key, std::string_view pcc) {
    OperationGuard guard;
    if (!guard.acquired()) {
        ULTRA.ErrorCode = kErrBusy;
        ULTRA.ErrorDescription.clear();
        SetErrorText();
        return std::string(text);
    }
    ULTRA.ErrorCode = 0;
    ULTRA.ErrorText.clear();
    ULTRA.ErrorDescription.clear();
    Outcome o = run(text, key, pcc);
    ULTRA.ErrorCode = o.code;
    SetErrorText();
    return o.code != 0 ? std::string(text) : o.result;
}

}  // namespace qv::cipher
