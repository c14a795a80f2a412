#pragma once
// The port log file, Logs\Port.Log: the rows of the main window's port-log list written out on
// request. A new file starts with a header; every call adds one session block:
//
//   <<<New Log Started: 12/10/2026 3:04:05 PM>>>
//   [Host address/IP address], [Local Port], [Remote Port], [Connection Status]
//
//   <Session :: Start: <sessionStart> End: 12/10/2026 3:04:05 PM>
//   <host> <local port> <remote port> <status> <time stamp>      (one line per row)
//                                                                (an empty line)
// Later calls append an empty line, the session line, the rows and the empty line. Lines end
// with CR LF. The window calls it with its list: portlog(lvwLog, sessionStart).
#include <string>
#include <string_view>

#include "platform/forms/common/list_view.h"

namespace qv::ui {

// The program folder's Logs\Port.Log.
std::string PortLogPath();
// Writes the block; false when the file cannot be written (nothing is reported, and a file
// that was there is left whole: the new content replaces it in one step).
bool portlog(const forms::ListView& lvwLog, std::string_view sessionStart);

}  // namespace qv::ui
