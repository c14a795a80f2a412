#include "app/loop_sources.h"

#include "ui/main/activation.h"
#include "ui/main/program_end.h"

namespace qv::app {

SignalSource::SignalSource()
    : watch_(signals_.fd(), [this] {
          if (signals_.take()) ui::RequestEnd();
      }) {}

ActivationSource::ActivationSource(base::ActivationListener& listener)
    : listener_(listener), watch_(listener.fd(), [this] {
          if (listener_.takeRequests() > 0) ui::ActivateRunningCopy();
      }) {}

}  // namespace qv::app
