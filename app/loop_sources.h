#pragma once
// What the running program watches beside its windows: the signals that ask it to end, and the
// requests of later starts to come forward. Each is a source of the message loop.
#include "platform/base/activation_socket.h"
#include "platform/base/end_signals.h"
#include "platform/forms/runtime.h"

namespace qv::app {

// SIGTERM, SIGINT and SIGHUP run the orderly end (once, however many arrive).
class SignalSource final : public forms::Poller {
public:
    SignalSource();
    ~SignalSource() override;
    void poll() override;
    int waitFd() const override { return signals_.fd(); }
    short waitEvents() const override;

private:
    base::EndSignals signals_;
};

// A later start over the same program folder brings this copy's window to the front.
class ActivationSource final : public forms::Poller {
public:
    explicit ActivationSource(base::ActivationListener& listener);
    ~ActivationSource() override;
    void poll() override;
    int waitFd() const override { return listener_.fd(); }
    short waitEvents() const override;

private:
    base::ActivationListener& listener_;
};

}  // namespace qv::app
