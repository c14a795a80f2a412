// A stored registry file read back from disk: any bytes either are refused whole or give keys
// whose text form reads back to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/settings/registry_hive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = qv::settings::RegistryHive::parse(text);
    if (!parsed.hive) {
        if (parsed.badLine == 0) std::abort();
        return 0;
    }
    const std::string once = parsed.hive->text();
    const auto again = qv::settings::RegistryHive::parse(once);
    if (!again.hive || again.hive->text() != once) std::abort();
    return 0;
}
