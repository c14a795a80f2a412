#include "ui/windows/statistics_request.h"

#include <charconv>

#include "engine/conf.h"

namespace qv::ui {

std::string StatisticsHost() {
    std::string host = engine::ReadConfValue("Statistics", "Host", "config.ini");
    return host.empty() ? std::string(kShippedStatisticsHost) : host;
}

StatisticsServer StatisticsServerOf(std::string_view statisticsHost) {
    const std::size_t colon = statisticsHost.rfind(':');
    if (colon == std::string_view::npos) return {std::string(statisticsHost), 80};
    const std::string_view digits = statisticsHost.substr(colon + 1);
    int port = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
    if (ec != std::errc{} || end != digits.data() + digits.size() || digits.empty()) port = 0;
    return {std::string(statisticsHost.substr(0, colon)), port};
}

std::string AlertStatisticsRequest(std::string_view file, std::string_view host, std::string_view port,
                                   std::string_view statisticsHost) {
    std::string r = "GET /demo/morvantile/firewallstat/open.php?act=true&lvl=4&file=";
    r += file;
    r += "&host=";
    r += host;
    r += "&app=service&port=";
    r += port;
    r += " HTTP/1.1\r\nHost: ";
    r += statisticsHost;
    r += "\r\nAccept: */*\r\nAccept-Language: en\r\nConnection: Keep-Alive\r\n\r\n";
    return r;
}

}  // namespace qv::ui
