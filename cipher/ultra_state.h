#pragma once
// The module state of the cipher, one copy for the process. Every cipher operation shares it;
// the entry points refuse to start while another one runs (see OperationGuard).
#include <cstdint>
#include <string>

namespace qv::cipher {

// Error codes kept in ErrorCode after a file or text operation.
enum UltraError : int16_t {
    kErrNone = 0,
    kErrNoText = 1,
    kErrNoKey = 2,
    kErrBadKey = 3,
    kErrSourceMissing = 4,
    kErrChecksum = 5,
    kErrEmptyFile = 6,
    kErrTextVersion = 10,
    kErrEncodeAborted = 11,
    kErrEncodeFile = 12,
    kErrFileVersion = 20,
    kErrDecodeAborted = 21,
    kErrDecodeFile = 22,
    kErrDecodeFailed = 23,
    kErrEnvelope = 30,
    kErrDecodeText = 33,
    kErrBusy = 40,  // an operation was started while another one was running
};

// One of the three cascaded permutations of the keystream generator.
template <int N>
struct Permutation {
    static constexpr int kSize = N;
    uint16_t s[N] = {};
    uint16_t i = 0;
    uint16_t j = 0;
};

struct UltraState {
    int16_t ErrorCode = 0;
    std::string ErrorText;
    std::string ErrorDescription;  // run-time error text for codes 12 and 22
    bool AbortRequested = false;   // set by a Cancel button, tested by the long loops
    int16_t LastPercent = 0;       // percentage last passed to ShowProgress
    Permutation<463> A;
    Permutation<251> B;
    Permutation<181> C;
    uint8_t FeedbackByte = 0;      // last ciphertext byte
    std::string EntropyPool;       // at most 251 bytes gathered from mouse moves
    float LastMouseX = 0;
    float LastMouseY = 0;
    bool Running = false;          // a file or text operation is in progress
};

// The module state.
extern UltraState ULTRA;

// Sets ErrorText from ErrorCode (and ErrorDescription for codes 12 and 22); a code without a
// message leaves ErrorText empty.
void SetErrorText();

// The message of an error code; description fills the file errors 12 and 22.
std::string ErrorMessage(int code, const std::string& description);

// Marks a file or text operation as running for its lifetime. acquired() is false when another
// operation already runs (a Click handler reached through the message pump); the caller then
// refuses with kErrBusy and leaves the running operation's state alone. Running operations keep
// their outcome locally and write the error fields only when they end, so a refused call in the
// middle cannot change how they finish.
class OperationGuard {
public:
    OperationGuard();
    ~OperationGuard();
    OperationGuard(const OperationGuard&) = delete;
    OperationGuard& operator=(const OperationGuard&) = delete;
    bool acquired() const { return acquired_; }

private:
    bool acquired_;
};

}  // namespace qv::cipher
