#include "cipher/crypt_file.h"

#include <cerrno>
#include <cstring>
#include <optional>

#include "cipher/cipher_file.h"
#include "cipher/file_names.h"
#include "cipher/key_check.h"
#include "cipher/progress.h"
#include "cipher/ultra_state.h"
#include "platform/base/files.h"
#include "platform/base/text.h"

namespace qv::cipher {

namespace {

struct Outcome {
    int16_t code = 0;
    std::string description;
    std::string result;
};

std::string lastErrorText(const char* fallback) {
    return errno != 0 ? std::string(std::strerror(errno)) : std::string(fallback);
}

int16_t detectType(std::string_view path, std::optional<std::string_view> head) {
    if (head && HasCipherFileMarker(*head)) return 1;
    return base::equalsNoCase(base::Right(path, 4), ".EXE") ? 2 : 0;
}

bool sameFile(std::string_view a, std::string_view b) { return base::nativePath(a) == base::nativePath(b); }

// Writes data as output; removes source afterwards when the call was in place. A refused
// replacement ends the run with abortCode before anything is touched.
Outcome finish(std::string_view source, std::string_view target, const std::string& output,
               const std::string& data, int16_t fileError, int16_t abortCode, const ReplaceQuestion* mayReplace) {
    // Without a question (the program's own stores) an existing output is replaced.
    if (mayReplace != nullptr && *mayReplace && !sameFile(output, source) && base::fileExists(output) &&
        !(*mayReplace)(output))
        return Outcome{abortCode, {}, {}};
    Outcome o;
    bool written;
    {
        BusyPointer busy;
        errno = 0;
        written = base::writeFileAtomic(output, data);
    }
    if (!written) return Outcome{fileError, lastErrorText("Path not found"), {}};
    if (source == target && !sameFile(output, source) && base::fileExists(source)) {
        errno = 0;
        if (!base::removeFile(source)) return Outcome{fileError, lastErrorText("Permission denied"), {}};
    }
    o.result = output;
    return o;
}

Outcome encryptFile(std::string_view source, std::string_view target, std::string_view key,
                    std::string_view pcc, std::string data, const ReplaceQuestion* mayReplace) {
    // An extension that decryption would refuse is refused now, before anything is written.
    const std::string extension = FileExtension(source);
    if (!StorableExtension(extension)) return Outcome{kErrDecodeFile, kBadFileName, {}};
    ULTRA.LastPercent = 0;
    CipherFileResult enc = EncodeCipherFile(std::move(data), extension, key, pcc);
    if (enc.code != 0) return Outcome{enc.code, enc.description, {}};
    return finish(source, target, FileNameWithoutExtension(target) + ".exe", enc.data, kErrEncodeFile,
                  kErrEncodeAborted, mayReplace);
}

Outcome decryptFile(std::string_view source, std::string_view target, std::string_view key,
                    std::string_view pcc, const std::string& file, const ReplaceQuestion* mayReplace) {
    CipherFileResult dec = DecodeCipherFile(file, key, pcc);
    if (dec.code != 0) return Outcome{dec.code, dec.description, {}};
    const std::string ext = dec.extension.empty() ? std::string() : "." + ExtensionForName(dec.extension);
    return finish(source, target, FileNameWithoutExtension(target) + ext, dec.data, kErrDecodeFile,
                  kErrDecodeAborted, mayReplace);
}

Outcome run(std::string_view source, std::string_view target, std::string_view key, std::string_view pcc,
            const ReplaceQuestion* mayReplace) {
    if (!KeyOk(key)) return Outcome{kErrBadKey, {}, {}};
    const auto length = base::fileLength(source);
    if (!length) return Outcome{kErrSourceMissing, {}, {}};
    if (*length < 1) return Outcome{kErrEmptyFile, {}, {}};

    ULTRA.AbortRequested = false;
    std::optional<std::string> file;
    {
        BusyPointer busy;
        errno = 0;
        file = base::readFile(source);
    }
    Outcome o;
    switch (detectType(source, file ? std::optional<std::string_view>(*file) : std::nullopt)) {
        case 1: o = decryptFile(source, target, key, pcc, *file, mayReplace); break;
        case 2: return Outcome{kErrFileVersion, {}, {}};
        default:
            if (!file) return Outcome{kErrEncodeFile, lastErrorText("Permission denied"), {}};
            o = encryptFile(source, target, key, pcc, std::move(*file), mayReplace);
            break;
    }
    ShowProgress(0);
    return o;
}

std::string cryptFile(std::string_view source, std::string_view target, std::string_view key,
                      std::string_view pcc, const ReplaceQuestion* mayReplace) {
    OperationGuard guard;
    if (!guard.acquired()) {
        ULTRA.ErrorCode = kErrBusy;
        ULTRA.ErrorDescription.clear();
        SetErrorText();
        return std::string(source);
    }
    ULTRA.ErrorCode = 0;
    ULTRA.ErrorText.clear();
    ULTRA.ErrorDescription.clear();
    Outcome o = run(source, target, key, pcc, mayReplace);
    ULTRA.ErrorCode = o.code;
    ULTRA.ErrorDescription = o.description;
    SetErrorText();
    return o.code != 0 ? std::string(source) : o.result;
}

}  // namespace

std::string CryptFile(std::string_view source, std::string_view target, std::string_view key,
                      std::string_view pcc) {
    return cryptFile(source, target, key, pcc, nullptr);
}

std::string CryptFile(std::string_view source, std::string_view target, std::string_view key,
                      std::string_view pcc, const ReplaceQuestion& mayReplace) {
    return cryptFile(source, target, key, pcc, &mayReplace);
}

int16_t DetectFileType(std::string_view path) {
    const auto file = base::readFile(path);
    return detectType(path, file ? std::optional<std::string_view>(*file) : std::nullopt);
}

bool SourceFileExists(std::string_view path) { return base::fileLength(path).has_value(); }

}  // namespace qv::cipher
