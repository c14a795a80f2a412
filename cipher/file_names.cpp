#include "cipher/file_names.h"

#include <algorithm>

#include "platform/base/cp1252.h"
#include "platform/base/text.h"

namespace qv::cipher {

namespace {

// The position of the dot that starts the file name's extension, or npos.
std::size_t extensionDot(std::string_view path) {
    const auto nameStart = path.find_last_of("\\/");
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos || (nameStart != std::string_view::npos && dot < nameStart))
        return std::string_view::npos;
    return dot;
}

bool isAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string asciiLower(std::string_view s) {
    std::string r(s);
    for (auto& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return r;
}

}  // namespace

std::string FileExtension(std::string_view path) {
    const auto dot = extensionDot(path);
    if (dot == std::string_view::npos) return {};
    const std::string_view ext = path.substr(dot + 1);
    if (auto text = base::utf8ToCp1252Exact(ext)) return base::LCase(*text);
    return asciiLower(ext);
}

std::string FileNameWithoutExtension(std::string_view path) {
    const auto dot = extensionDot(path);
    return std::string(dot == std::string_view::npos ? path : path.substr(0, dot));
}

std::string ExtensionForName(std::string_view stored) {
    // Stored in UTF-8 because Windows-1252 could not hold it: as it is.
    if (isAscii(stored) || (base::isValidUtf8(stored) && !base::utf8ToCp1252Exact(stored))) return std::string(stored);
    return base::cp1252ToUtf8(stored);
}

bool StorableExtension(std::string_view stored) {
    return std::none_of(stored.begin(), stored.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return c == '.' || c == ':' || c < 32 || c == 127;
    });
}

}  // namespace qv::cipher
