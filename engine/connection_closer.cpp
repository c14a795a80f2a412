#include "engine/connection_closer.h"

#include "engine/logs.h"
#include "engine/ui_hooks.h"
#include "platform/host/host.h"

namespace qv::engine {

namespace {
bool& noticeGiven() {
    static bool given = false;
    return given;
}
}  // namespace

bool CloseTcpRow(host::TcpRow row) {
    row.state = host::kTcpDeleteTcb;
    if (host::currentHost().setTcpEntry(row)) return true;
    CheckCloseRights();
    return false;
}

bool CheckCloseRights() {
    if (host::currentHost().canCloseConnections()) return true;
    if (noticeGiven()) return false;
    noticeGiven() = true;
    LogSecurity("High", kCannotCloseMessage);
    MsgBox(kCannotCloseMessage, kMbExclamation);
    return false;
}

void ResetCloseRightsNotice() { noticeGiven() = false; }

}  // namespace qv::engine
