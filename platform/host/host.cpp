#include "platform/host/host.h"

#include "platform/host/sim/sim_host.h"

namespace qv::host {

namespace {
Host& defaultHost() {
    static SimHost h = SimHost::withDefaultScenario();
    return h;
}
Host* g_current = nullptr;
}  // namespace

Host& currentHost() { return g_current ? *g_current : defaultHost(); }

void setCurrentHost(Host* h) { g_current = h; }

ScopedHost::ScopedHost(Host& h) : previous_(g_current) { g_current = &h; }
ScopedHost::~ScopedHost() { g_current = previous_; }

}  // namespace qv::host
