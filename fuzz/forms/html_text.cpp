// Pages shown by the browser control: any bytes give a text without blanks at either end and
// without two blanks in a row.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/forms/common/web_browser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto page = qv::forms::htmlToText(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string& t = page.text;
    if (!t.empty() && (t.front() == ' ' || t.front() == '\n' || t.back() == ' ' || t.back() == '\n')) std::abort();
    if (t.find("  ") != std::string::npos) std::abort();
    return 0;
}
