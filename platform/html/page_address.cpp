#include "platform/html/page_address.h"

#include <cctype>

#include "platform/base/files.h"
#include "platform/base/text.h"

namespace qv::html {
namespace {

bool startsNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && base::equalsNoCase(s.substr(0, prefix.size()), prefix);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "%20" and the like.
std::string unescape(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && hexValue(s[i + 1]) >= 0 && hexValue(s[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(s[i + 1]) * 16 + hexValue(s[i + 2]));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

// The scheme of an address ("http" of "http://..."); "" when it has none. A drive letter ("C:")
// is one character and no scheme.
std::string_view schemeOf(std::string_view s) {
    const size_t colon = s.find(':');
    if (colon == std::string_view::npos || colon < 2) return {};
    if (!std::isalpha(static_cast<unsigned char>(s[0]))) return {};
    for (size_t i = 1; i < colon; ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return {};
    }
    return s.substr(0, colon);
}

// "file:///x", "file://x" and "file:x" give "/x", "x" and "x".
std::string_view afterFileScheme(std::string_view url) {
    if (startsNoCase(url, "file:///")) return url.substr(7);
    if (startsNoCase(url, "file://")) return url.substr(7);
    return url.substr(5);
}

bool isAbsolute(std::string_view path) {
    return !path.empty() && (path[0] == '/' || path[0] == '\\' ||
                             (path.size() > 2 && path[1] == ':' && (path[2] == '\\' || path[2] == '/')));
}

}  // namespace

std::string localPathOf(std::string_view url) {
    const std::string_view scheme = schemeOf(url);
    if (!scheme.empty() && !base::equalsNoCase(scheme, "file")) return "";
    std::string_view path = scheme.empty() ? url : afterFileScheme(url);
    path = path.substr(0, path.find('#'));
    return unescape(path);
}

PageAddress resolveAddress(std::string_view written, std::string_view baseFolder) {
    const std::string trimmed = base::Trim(written);
    const std::string_view href = trimmed;
    PageAddress a;
    if (href.empty()) return a;
    if (href[0] == '#') {
        a.kind = PageAddress::kInPage;
        a.fragment = unescape(href.substr(1));
        return a;
    }
    const std::string_view scheme = schemeOf(href);
    if (base::equalsNoCase(scheme, "javascript") || base::equalsNoCase(scheme, "about")) return a;
    if (!scheme.empty() && !base::equalsNoCase(scheme, "file")) {
        a.kind = PageAddress::kWeb;
        a.address = std::string(href);
        return a;
    }
    std::string_view rest = scheme.empty() ? href : afterFileScheme(href);
    if (const size_t hash = rest.find('#'); hash != std::string_view::npos) {
        a.fragment = unescape(rest.substr(hash + 1));
        rest = rest.substr(0, hash);
    }
    rest = rest.substr(0, rest.find('?'));
    const std::string path = unescape(rest);
    if (path.empty()) {
        // "#name" written as "?x#name" or "file:#name": a place in the same page.
        a.kind = a.fragment.empty() ? PageAddress::kNone : PageAddress::kInPage;
        return a;
    }
    a.kind = PageAddress::kLocal;
    a.path = base::nativePath(isAbsolute(path) || baseFolder.empty() ? path : base::joinPath(baseFolder, path));
    return a;
}

}  // namespace qv::html
