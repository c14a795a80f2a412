#include "engine/netstat_parser.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>

#include "platform/base/basic_error.h"
#include "platform/base/convert.h"
#include "engine/ui_hooks.h"

namespace qv::engine {

namespace {

constexpr std::size_t kFields = 6;  // "", protocol, local, foreign, state, process id

// Splits a line at each blank into its first kFields fields; returns how many it found.
std::size_t splitFields(std::string_view line, std::array<std::string_view, kFields>& fields) {
    std::size_t n = 0;
    std::size_t start = 0;
    while (n < kFields) {
        std::size_t blank = line.find(' ', start);
        if (blank == std::string_view::npos) {
            fields[n++] = line.substr(start);
            break;
        }
        fields[n++] = line.substr(start, blank - start);
        start = blank + 1;
    }
    return n;
}

// The process id field as a 32-bit number, or nothing when it is not one.
std::optional<int32_t> processIdOf(std::string_view field) {
    if (field.empty()) return std::nullopt;
    if (field.size() <= 10) {
        bool digits = true;
        int64_t v = 0;
        for (char c : field) {
            if (c < '0' || c > '9') {
                digits = false;
                break;
            }
            v = v * 10 + (c - '0');
        }
        if (digits) {
            if (v > std::numeric_limits<int32_t>::max()) return std::nullopt;
            return static_cast<int32_t>(v);
        }
    }
    // Other number forms ("&H10", "1e3", "-5") convert as the Basic conversion takes them.
    try {
        return base::CLng(field);
    } catch (const base::BasicError&) {
        return std::nullopt;
    }
}

void splitEndpoint(std::string_view endpoint, std::string& address, std::string& port) {
    std::size_t colon = endpoint.find(':');
    if (colon == std::string_view::npos) {
        address.clear();
        port.assign(endpoint);
        return;
    }
    address.assign(endpoint.substr(0, colon));
    port.assign(endpoint.substr(colon + 1));
}

}  // namespace

std::string CollapseBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool lastBlank = false;
    for (char c : text) {
        if (c == ' ') {
            if (lastBlank) continue;
            lastBlank = true;
        } else {
            lastBlank = false;
        }
        out.push_back(c);
    }
    return out;
}

void ParseNetstat(std::string_view output, ConnectionTable& table, const KeptRecordHook& afterKept) {
    table.clear();
    const std::string text = CollapseBlanks(output);
    DoEvents();

    std::array<std::string_view, kFields> fields;
    std::string_view rest = text;
    while (true) {
        std::size_t eol = rest.find("\r\n");
        std::string_view line = rest.substr(0, eol);

        std::size_t n = splitFields(line, fields);
        DoEvents();
        if (n == kFields) {
            std::optional<int32_t> pid = processIdOf(fields[5]);
            if (pid && *pid != 0) {
                ConnectionRecord r;
                splitEndpoint(fields[2], r.LocalAddress, r.LocalPort);
                splitEndpoint(fields[3], r.RemoteAddress, r.RemotePort);
                r.State.assign(fields[4]);
                r.ProcessId = *pid;
                int index = table.add(std::move(r));
                if (afterKept) afterKept(index);
            }
        }

        if (eol == std::string_view::npos) break;
        rest.remove_prefix(eol + 2);
    }
}

}  // namespace qv::engine
