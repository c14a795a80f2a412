#include "app/loop_sources.h"

#include <poll.h>

#include "ui/main/activation.h"
#include "ui/main/program_end.h"

namespace qv::app {

SignalSource::SignalSource() { forms::addPoller(this); }
SignalSource::~SignalSource() { forms::removePoller(this); }

void SignalSource::poll() {
    if (signals_.take()) ui::RequestEnd();
}

short SignalSource::waitEvents() const { return POLLIN; }

ActivationSource::ActivationSource(base::ActivationListener& listener) : listener_(listener) {
    forms::addPoller(this);
}
ActivationSource::~ActivationSource() { forms::removePoller(this); }

void ActivationSource::poll() {
    if (listener_.takeRequests() > 0) ui::ActivateRunningCopy();
}

short ActivationSource::waitEvents() const { return POLLIN; }

}  // namespace qv::app
