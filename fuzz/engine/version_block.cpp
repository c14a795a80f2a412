// File bytes of any shape: the version readers give a text without code-0 characters, and never
// one longer than the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/version_reader.h"

namespace {
void check(const std::string& value, std::size_t size) {
    if (value.size() > size || value.find('\0') != std::string::npos) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    check(qv::engine::FileDescriptionFromBytes(bytes), size);
    check(qv::engine::FileVersionFromBytes(bytes), size);
    return 0;
}
