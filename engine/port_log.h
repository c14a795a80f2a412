#pragma once
// Rows of the main window's port log.
#include <string_view>

namespace qv::engine {

// Adds a row to `lvwLog`. Unless appendAlways is set, nothing is added when a row with the same
// host, local port and status already stands in the list (remote port and time take no part).
void AddPortLog(std::string_view host, std::string_view localPort, std::string_view remotePort,
                std::string_view status, std::string_view timeStamp, bool appendAlways);

}  // namespace qv::engine
