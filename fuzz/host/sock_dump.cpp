// Socket-diagnostics answers of any shape: the decoder keeps only whole socket messages of its own
// request and stops at a damaged one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/host/linux/tcp_dump.h"

using namespace qv::host;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view datagram(reinterpret_cast<const char*>(data), size);
    std::vector<procfs::TcpEntry> entries;
    int error = 0;
    sockdiag::DumpPart part = sockdiag::appendDumpMessages(datagram, 1, entries, error);
    if ((part == sockdiag::DumpPart::kFailed) != (error > 0)) std::abort();
    // A socket message is at least 88 bytes.
    if (entries.size() * 88 > size) std::abort();
    for (const auto& e : entries)
        if (e.row.state < kTcpClosed || e.row.state > kTcpTimeWait || e.row.localPort > 0xFFFF ||
            e.row.remotePort > 0xFFFF || e.inode > 0xFFFFFFFFu)
            std::abort();
    return 0;
}
