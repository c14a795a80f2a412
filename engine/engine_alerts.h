#pragma once
// The engine steps that turn a connection into a question or a warning: asking the user about an
// application without a rule, and warning about a connection on a dangerous local port. Neither
// waits for the window it opens.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/connection_table.h"

namespace qv::engine {

// Once per application and run: suspends the process and opens a connection alert for the
// connection of record index, filled with the question and the risk by the trojan list and the
// security level. At security level 3 a port on the trojan list also ends the process, while it
// still runs appPath, even when the alert was answered during the lookup. Nothing for an empty
// path, an application asked about before, or a connection already marked in "ALREADY" (the
// marker is written only for an application about to be asked).
void AskUser(std::string_view appPath, int index, int32_t processId);

// For a connection whose local port the guard store lists as dangerous and whose remote address is
// not trusted: logs it, opens a dangerous-port alert and, at security level 3, closes the
// connection. Each (local port, remote address) pair is examined once until its alert closes.
void DangerousPortCheck(int index);
void DangerousPortCheck(const ConnectionTable& table, int index);

// The question of a connection alert.
std::string AlertQuestion(std::string_view description, std::string_view file, bool incoming,
                          std::string_view remoteAddress, std::string_view remotePort);

}  // namespace qv::engine
