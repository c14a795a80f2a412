#include "engine/stores.h"

#include "platform/base/datetime.h"
#include "platform/base/program_folder.h"
#include "platform/host/host.h"

namespace qv::engine {

cINI& RuleStore() {
    static cINI store;
    return store;
}

cINI& GuardStore() {
    static cINI store;
    return store;
}

std::string RuleStorePath() { return base::programFolder() + "\\Data\\Firewall.qvl"; }
std::string GuardStorePath() { return base::programFolder() + "\\Data\\Guard.qvl"; }

bool AlreadyAsked(int index) { return AlreadyAsked(Connections(), index); }

bool AlreadyAsked(const ConnectionTable& table, int index) {
    const ConnectionRecord* r = table.at(index);
    if (!r) return true;
    cINI& store = RuleStore();
    store.Section("ALREADY");
    store.Key(r->AppPath + r->LocalPort + r->RemotePort + r->RemoteAddress);
    store.Default("-");
    if (store.Value() == "YES") return true;
    store.Value("YES");
    return false;
}

bool IsTrustedNetwork(std::string_view remoteAddress) {
    cINI& store = GuardStore();
    store.Section("NETWORKING");
    store.Default("-");
    store.Key(remoteAddress);
    return store.Value() == "TRUSTED";
}

void CheckAppStamp(std::string_view appPath) {
    if (appPath.empty()) return;
    cINI& store = RuleStore();
    store.Section("CRC32");
    store.Key(appPath);
    store.Default("-");
    if (store.Value() != "-") return;
    auto when = host::currentHost().fileModified(appPath);
    if (!when) return;
    store.Value(base::DateTimeText(*when));
}

}  // namespace qv::engine
