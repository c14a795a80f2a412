#pragma once
// The engine's two long-lived settings files and the small operations over them.
//  RuleStore, Data\Firewall.qvl: "RULES" (application path -> action, default "0"), "ALREADY"
//  (once-only markers "YES", default "-"), "CRC32" (application path -> its file's date and
//  time, default "-").
//  GuardStore, Data\Guard.qvl: "HACKERS" (local port -> description of the dangerous service,
//  default "-"), "NETWORKING" (remote address -> "TRUSTED" or "BLOCKED", default "-").
// Both are created on first use; their Path is set once at start-up and kept for the run.
#include <string>
#include <string_view>

#include "engine/cini.h"
#include "engine/connection_table.h"

namespace qv::engine {

cINI& RuleStore();
cINI& GuardStore();

// The program folder's "\Data\Firewall.qvl" and "\Data\Guard.qvl".
std::string RuleStorePath();
std::string GuardStorePath();

// True when the connection at index was marked in "ALREADY" before; otherwise marks it and
// returns false. The marker's key is AppPath, LocalPort, RemotePort and RemoteAddress joined
// without separator. An index outside the table counts as asked (there is nothing to ask about).
bool AlreadyAsked(int index);
bool AlreadyAsked(const ConnectionTable& table, int index);

// True exactly when "NETWORKING" holds "TRUSTED" (that case) for the remote address.
bool IsTrustedNetwork(std::string_view remoteAddress);

// Records the application file's date and time in "CRC32" once; a stamp once stored is kept.
// Nothing for "" or a file whose date cannot be read.
void CheckAppStamp(std::string_view appPath);

}  // namespace qv::engine
