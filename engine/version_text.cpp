#include "engine/version_text.h"

#include "platform/base/text.h"

namespace qv::engine {

std::string ToWideText(std::string_view text) {
    std::string wide;
    wide.reserve(text.size() * 2);
    for (char c : text) {
        wide.push_back(c);
        wide.push_back('\0');
    }
    return wide;
}

std::string ReplaceText(std::string_view text, std::string_view find, std::string_view replacement) {
    std::string result(text);
    if (find.empty()) return result;
    if (replacement.size() >= find.size()) return base::Replace(result, find, replacement);
    while (result.find(find) != std::string::npos) result = base::Replace(result, find, replacement);
    return result;
}

}  // namespace qv::engine
