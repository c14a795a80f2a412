#include "engine/tcp_rows.h"

#include <string_view>

#include "platform/host/host.h"
#include "platform/host/names.h"

namespace qv::engine {

namespace {

std::optional<uint32_t> addressOf(std::string_view text) {
    if (text.empty()) return std::nullopt;
    if (auto a = host::addressFromDotted(text)) return a;
    return host::currentHost().hostByName(text);
}

std::optional<uint32_t> portOf(std::string_view text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    uint32_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + static_cast<uint32_t>(c - '0');
    }
    if (v > 65535) return std::nullopt;
    return host::rowPort(static_cast<uint16_t>(v));
}

}  // namespace

std::vector<host::TcpRow>& TcpRowBuffer() {
    static std::vector<host::TcpRow> rows;
    return rows;
}

int FillTcpRowBuffer() {
    auto& rows = TcpRowBuffer();
    if (!host::currentHost().readTcpTable(rows)) rows.clear();
    return static_cast<int>(rows.size());
}

std::optional<host::TcpRow> FindTcpRow(const ConnectionRecord& record, const std::vector<host::TcpRow>& rows) {
    auto localPort = portOf(record.LocalPort);
    auto remotePort = portOf(record.RemotePort);
    if (!localPort || !remotePort) return std::nullopt;
    auto localAddress = addressOf(record.LocalAddress);
    auto remoteAddress = addressOf(record.RemoteAddress);
    if (!localAddress || !remoteAddress) return std::nullopt;

    host::TcpRow want{0, *localAddress, *localPort, *remoteAddress, *remotePort};
    std::optional<host::TcpRow> found;
    for (const host::TcpRow& row : rows) {
        if (!host::sameEndpoints(row, want) || row.state == host::kTcpListen) continue;
        if (record.State == host::netstatStateWord(row.state)) return row;
        if (!found) found = row;
    }
    return found;
}

std::optional<host::TcpRow> TcpRowOf(const ConnectionRecord& record) {
    return FindTcpRow(record, host::currentHost().tcpTable());
}

}  // namespace qv::engine
