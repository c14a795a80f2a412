#include "engine/alert_tag.h"

#include <limits>

namespace qv::engine {

namespace {

// A field of decimal digits that fits a 32-bit signed number, else fallback.
int32_t tagNumber(std::string_view field, int32_t fallback) {
    if (field.empty() || field.size() > 10) return fallback;
    int64_t n = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return fallback;
        n = n * 10 + (c - '0');
    }
    return n <= std::numeric_limits<int32_t>::max() ? static_cast<int32_t>(n) : fallback;
}

}  // namespace

std::string AlertTagText(int32_t processId, int index, std::string_view appPath) {
    std::string tag = std::to_string(processId) + "," + std::to_string(index) + ",";
    tag += appPath;
    return tag;
}

AlertTag SplitAlertTag(std::string_view tag) {
    AlertTag out;
    const std::size_t first = tag.find(',');
    out.processId = tagNumber(tag.substr(0, first), 0);
    if (first == std::string_view::npos) return out;
    const std::size_t second = tag.find(',', first + 1);
    const std::size_t indexEnd = second == std::string_view::npos ? tag.size() : second;
    out.index = tagNumber(tag.substr(first + 1, indexEnd - first - 1), -1);
    if (second != std::string_view::npos) out.appPath = std::string(tag.substr(second + 1));
    return out;
}

}  // namespace qv::engine
