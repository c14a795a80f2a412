#pragma once
// What the running program watches beside its windows: the signals that ask it to end, and the
// requests of later starts to come forward. Each is a descriptor the message loop watches.
#include "platform/base/activation_socket.h"
#include "platform/base/end_signals.h"
#include "platform/gui/readable_watch.h"

namespace qv::app {

// SIGTERM, SIGINT and SIGHUP run the orderly end (once, however many arrive).
class SignalSource {
public:
    SignalSource();

private:
    base::EndSignals signals_;
    gui::ReadableWatch watch_;
};

// A later start over the same program folder brings this copy's window to the front.
class ActivationSource {
public:
    explicit ActivationSource(base::ActivationListener& listener);

private:
    base::ActivationListener& listener_;
    gui::ReadableWatch watch_;
};

}  // namespace qv::app
