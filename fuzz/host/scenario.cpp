// Scenario texts of any shape: a text is taken whole or refused whole with the line it failed on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/host/sim/sim_host.h"

using namespace qv::host;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    SimHost h;
    h.addProcess(7, "C:\\kept.exe", {8});
    std::string error;
    if (h.loadScenario(text, &error)) {
        if (!error.empty()) std::abort();
        h.runNetstat();
        h.tcpTable();
    } else {
        if (error.rfind("line ", 0) != 0) std::abort();
        // Nothing of a refused text is added.
        if (h.processIds() != std::vector<uint32_t>{7} || h.threadSnapshot().size() != 1 || !h.tcpTable().empty())
            std::abort();
    }
    return 0;
}
