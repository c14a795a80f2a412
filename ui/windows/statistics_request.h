#pragma once
// The statistics request a dangerous-port alert sends as it opens, and the statistics server it
// goes to. The server is named in Conf\config.ini, section "Statistics", key "Host": a host name
// or address, optionally followed by ":" and a port (80 without one). The program ships a name
// under the reserved ".invalid" domain, which never resolves, so no request leaves the machine
// unless the option names a real server.
#include <string>
#include <string_view>

namespace qv::ui {

inline constexpr std::string_view kShippedStatisticsHost = "stats.quarvelin.invalid";

// The option as it stands, or the shipped name when it is missing or empty.
std::string StatisticsHost();

struct StatisticsServer {
    std::string host;
    int port = 80;  // 0 when the text after ":" is no port number
};
StatisticsServer StatisticsServerOf(std::string_view statisticsHost);

// The HTTP/1.1 GET of the statistics page for the alert's values, put in as they stand; every
// line ends in CR LF and an empty line ends the request.
std::string AlertStatisticsRequest(std::string_view file, std::string_view host, std::string_view port,
                                   std::string_view statisticsHost);

}  // namespace qv::ui
