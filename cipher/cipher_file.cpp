#include "cipher/cipher_file.h"

#include "cipher/file_names.h"
#include "cipher/huffman.h"
#include "cipher/progress.h"
#include "cipher/salt.h"
#include "cipher/stream_cipher.h"
#include "cipher/ultra_state.h"

namespace qv::cipher {

const std::string_view kCipherFileMarker{"= BRENQUIST \xA9 TAVREL =", 22};
const char* const kBadFileName = "Bad file name or number";

namespace {
constexpr std::size_t kMarkerSize = 22;
const char* const kPastEnd = "Input past end of file";

CipherFileResult failure(int16_t code, std::string description = {}) {
    CipherFileResult r;
    r.code = code;
    r.description = std::move(description);
    return r;
}

void encipher(std::string& s) {
    for (auto& c : s) c = static_cast<char>(EncryptByte(static_cast<uint8_t>(c)));
}
}  // namespace

bool HasCipherFileMarker(std::string_view file) {
    return file.size() >= kMarkerSize && file.substr(0, kMarkerSize) == kCipherFileMarker;
}

CipherFileResult EncodeCipherFile(std::string data, std::string_view extension, std::string_view key,
                                  std::string_view pcc) {
    if (!HuffmanEncode(data) || ULTRA.AbortRequested) return failure(kErrEncodeAborted);
    const std::string salt = MakeSalt();
    std::string checks = salt.substr(salt.size() - 2);
    std::string block = salt;
    block.append(extension);
    block.push_back('\0');

    KeySchedule(key, pcc);
    encipher(block);
    if (!EncryptBytes(data)) return failure(kErrEncodeAborted);
    encipher(checks);

    CipherFileResult r;
    r.data.reserve(kMarkerSize + block.size() + data.size() + 2);
    r.data.append(kCipherFileMarker);
    r.data.append(block);
    r.data.append(data);
    r.data.append(checks);
    return r;
}

CipherFileResult DecodeCipherFile(std::string_view file, std::string_view key, std::string_view pcc) {
    KeySchedule(key, pcc);
    if (file.size() <= kMarkerSize) return failure(kErrDecodeFile, kPastEnd);
    const std::size_t last = file.size() - 1;
    auto at = [&](std::size_t k) { return static_cast<uint8_t>(file[k]); };

    const unsigned saltLength = DecryptByte(at(kMarkerSize));
    // A length below 2 leaves no room for the two check bytes: wrong key or damaged file.
    if (kMarkerSize + saltLength > last || saltLength < 2) return failure(kErrDecodeFailed);
    uint8_t salt[256] = {};
    salt[1] = static_cast<uint8_t>(saltLength);
    for (unsigned p = 2; p <= saltLength; ++p) salt[p] = DecryptByte(at(kMarkerSize + p - 1));

    CipherFileResult r;
    std::size_t k = kMarkerSize + saltLength;
    for (;; ++k) {
        if (k > last) return failure(kErrDecodeFile, kPastEnd);
        const uint8_t c = DecryptByte(at(k));
        if (c == 0) break;
        r.extension.push_back(static_cast<char>(c));
    }

    const std::size_t start = k + 1;
    // No room for the check bytes after the extension's end: the stream cannot be checked.
    if (start + 2 > file.size()) return failure(kErrDecodeFailed);
    r.data.assign(file.substr(start, file.size() - start - 2));
    ULTRA.LastPercent = 0;
    if (!DecryptBytes(r.data)) return failure(kErrDecodeAborted);
    const uint8_t check1 = DecryptByte(at(last - 1));
    const uint8_t check2 = DecryptByte(at(last));
    if (check1 != salt[saltLength - 1] || check2 != salt[saltLength]) return failure(kErrDecodeFailed);

    switch (const HuffmanStatus s = HuffmanDecode(r.data)) {
        case HuffmanStatus::Ok: break;
        case HuffmanStatus::Aborted: return failure(kErrDecodeAborted);
        case HuffmanStatus::ChecksumMismatch: return failure(kErrChecksum);
        default: return failure(kErrDecodeFile, HuffmanErrorDescription(s));
    }
    if (ULTRA.AbortRequested) return failure(kErrDecodeAborted);
    // Checked last, so a wrong key still reports 23 from the check bytes.
    if (!StorableExtension(r.extension)) return failure(kErrDecodeFile, kBadFileName);
    return r;
}

}  // namespace qv::cipher
