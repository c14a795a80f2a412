#pragma once
// SIGTERM, SIGINT and SIGHUP as something the message loop reads instead of something that
// interrupts it: while an EndSignals object lives, each of these signals is only noted, and a
// descriptor becomes readable. At most one object lives at a time.
namespace qv::base {

class EndSignals {
public:
    EndSignals();
    ~EndSignals();  // the signals' previous handling comes back
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

    // Readable once a signal arrived; -1 when the signals could not be taken over.
    int fd() const;
    // True when one of the signals arrived since the last call.
    bool take();
};

}  // namespace qv::base
