#include "cipher/ultra_state.h"

namespace qv::cipher {

UltraState ULTRA;

std::string ErrorMessage(int code, const std::string& description) {
    switch (code) {
        case kErrNone: return "";
        case kErrNoText: return "Cannot continue without text (Error 1)";
        case kErrNoKey: return "Cannot continue without key (Error 2)";
        case kErrBadKey: return "Key too small/is repeating (Error 3)";
        case kErrSourceMissing: return "Source file not found (Error 4)";
        case kErrChecksum: return "Compression checksum error (Error 5)";
        case kErrEmptyFile: return "Cannot process empty file (Error 6)";
        case kErrTextVersion: return "Crypto version unknown/contains errors (Error 10)";
        case kErrEncodeAborted: return "Encoding has been aborted by user";
        case kErrEncodeFile: return "File error: " + description + " (Error 12)";
        case kErrFileVersion: return "Crypto file version unknown/contains errors (Error 20)";
        case kErrDecodeAborted: return "Decoding has been aborted by user";
        case kErrDecodeFile: return "File error: " + description + " (Error 22)";
        case kErrDecodeFailed: return "Failed decoding the file (Error 23)";
        case kErrEnvelope: return "Crypto header or footer format incomplete/contains errors (Error 30)";
        case kErrDecodeText: return "Failed decoding the text (Error 33)";
        case kErrBusy: return "Another encryption or decryption is still running (Error 40)";
        default: return "";
    }
}

void SetErrorText() { ULTRA.ErrorText = ErrorMessage(ULTRA.ErrorCode, ULTRA.ErrorDescription); }

OperationGuard::OperationGuard() : acquired_(!ULTRA.Running) {
    if (acquired_) ULTRA.Running = true;
}

OperationGuard::~OperationGuard() {
    if (acquired_) ULTRA.Running = false;
}

}  // namespace qv::cipher
