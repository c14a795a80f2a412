#pragma once
// Where the addresses of a page point: a local file (with an optional "#name" inside it), a
// place in the same page, or the web. Addresses are Windows-1252 bytes, as the program's paths.
#include <string>
#include <string_view>

namespace qv::html {

struct PageAddress {
    enum Kind {
        kNone,    // nothing to follow (empty, "javascript:", "about:")
        kLocal,   // a file on this computer: path (native, "%xx" decoded), fragment
        kInPage,  // "#name": fragment
        kWeb,     // any other scheme ("http:", "mailto:"...): address as written
    };
    Kind kind = kNone;
    std::string path;
    std::string fragment;  // without the "#"
    std::string address;
    bool operator==(const PageAddress&) const = default;
};

// The address a link of a page in baseFolder names. A relative path is taken below baseFolder;
// "\" and "/" both separate; a query ("?...") is dropped from a local path.
PageAddress resolveAddress(std::string_view href, std::string_view baseFolder);

// The local path a browser is asked to go to: a path, "\" or "/" separated, or a "file:" address;
// "" for an address of another scheme. "%xx" is decoded and any "#name" is dropped.
std::string localPathOf(std::string_view url);

}  // namespace qv::html
