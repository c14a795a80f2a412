#pragma once
// The connection alert's Tag: the process id, the connection's record index and the application
// path joined by ",". The path is everything after the second ",", so a path holding "," stays
// whole.
#include <cstdint>
#include <string>
#include <string_view>

namespace qv::engine {

struct AlertTag {
    int32_t processId = 0;  // 0 when the first field holds no process id
    int index = -1;         // -1 when the second field holds no record index
    std::string appPath;    // "" when the Tag has no third field

    bool operator==(const AlertTag&) const = default;
};

std::string AlertTagText(int32_t processId, int index, std::string_view appPath);

// Splits a Tag into its at most three fields. The numbers are decimal digits that fit 32 bits;
// any other field text reads as no number.
AlertTag SplitAlertTag(std::string_view tag);

}  // namespace qv::engine
