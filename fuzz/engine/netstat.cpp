// Netstat text of any shape: the parser keeps only lines it can read and never reads past them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/netstat_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    qv::engine::ConnectionTable table;
    int kept = 0;
    qv::engine::ParseNetstat(text, table, [&](int index) {
        if (index != kept++) std::abort();
        if (table[index].ProcessId == 0) std::abort();
    });
    if (kept != table.count()) std::abort();
    return 0;
}
