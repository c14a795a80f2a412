#include "platform/forms/common/web_browser.h"

#include <cctype>
#include <memory>

#include "platform/base/convert.h"
#include "platform/base/files.h"
#include "platform/base/text.h"
#include "platform/forms/runtime.h"

namespace qv::forms {
namespace {

bool startsNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && base::equalsNoCase(s.substr(0, prefix.size()), prefix);
}

// The local path of an address, or "" for an address on the web.
std::string localPath(const std::string& url) {
    if (startsNoCase(url, "file:///")) return url.substr(7);
    if (startsNoCase(url, "file://")) return url.substr(7);
    if (startsNoCase(url, "file:")) return url.substr(5);
    const size_t colon = url.find(':');
    if (colon != std::string::npos && colon > 1) {
        // "http:", "https:", "ftp:", "about:" and the like; a drive letter is one character.
        bool scheme = true;
        for (size_t i = 0; i < colon; ++i) scheme = scheme && std::isalpha(static_cast<unsigned char>(url[i]));
        if (scheme) return "";
    }
    return url;
}

// "%20" and the like in a file address.
std::string unescape(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && std::isxdigit(static_cast<unsigned char>(s[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(s[i + 2]))) {
            out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

bool isBlockTag(std::string_view name) {
    static const char* const blocks[] = {"p", "br", "div", "h1", "h2", "h3", "h4", "h5", "h6", "li", "tr",
                                         "table", "ul", "ol", "hr", "pre", "blockquote", "title", "body"};
    for (const char* b : blocks)
        if (base::equalsNoCase(name, b)) return true;
    return false;
}

std::string decodeEntity(std::string_view e) {
    if (e == "amp") return "&";
    if (e == "lt") return "<";
    if (e == "gt") return ">";
    if (e == "quot") return "\"";
    if (e == "apos") return "'";
    if (e == "nbsp") return " ";
    if (e == "copy") return "\xA9";
    if (!e.empty() && e[0] == '#') {
        const bool hex = e.size() > 1 && (e[1] == 'x' || e[1] == 'X');
        const std::string digits(e.substr(hex ? 2 : 1));
        if (digits.empty()) return "";
        long n = std::strtol(digits.c_str(), nullptr, hex ? 16 : 10);
        if (n > 0 && n < 256) return std::string(1, static_cast<char>(n));
        return "?";
    }
    return "&" + std::string(e) + ";";
}

}  // namespace

PageText htmlToText(std::string_view html) {
    PageText page;
    std::string out;
    bool space = false;
    auto newline = [&] {
        while (!out.empty() && out.back() == ' ') out.pop_back();
        if (!out.empty() && out.back() != '\n') out += '\n';
        space = false;
    };
    size_t i = 0;
    bool inTitle = false, skip = false;
    std::string skipUntil;
    while (i < html.size()) {
        char c = html[i];
        if (c == '<') {
            if (html.substr(i, 4) == "<!--") {
                size_t end = html.find("-->", i + 4);
                i = end == std::string_view::npos ? html.size() : end + 3;
                continue;
            }
            size_t end = html.find('>', i);
            if (end == std::string_view::npos) end = html.size();
            std::string_view tag = html.substr(i + 1, end - i - 1);
            i = end + 1;
            bool closing = !tag.empty() && tag[0] == '/';
            if (closing) tag.remove_prefix(1);
            size_t n = 0;
            while (n < tag.size() && (std::isalnum(static_cast<unsigned char>(tag[n])) || tag[n] == '!')) ++n;
            std::string_view name = tag.substr(0, n);
            if (skip) {
                if (closing && base::equalsNoCase(name, skipUntil)) skip = false;
                continue;
            }
            if (!closing && (base::equalsNoCase(name, "script") || base::equalsNoCase(name, "style"))) {
                skip = true;
                skipUntil = std::string(name);
                continue;
            }
            if (base::equalsNoCase(name, "title")) {
                inTitle = !closing;
                continue;
            }
            if (isBlockTag(name)) newline();
            continue;
        }
        std::string piece;
        if (c == '&') {
            size_t semi = html.find(';', i);
            if (semi != std::string_view::npos && semi - i <= 10) {
                piece = decodeEntity(html.substr(i + 1, semi - i - 1));
                i = semi + 1;
            } else {
                piece = "&";
                ++i;
            }
        } else {
            piece = std::string(1, c);
            ++i;
        }
        if (skip) continue;
        for (char p : piece) {
            const bool blank = p == ' ' || p == '\t' || p == '\r' || p == '\n';
            std::string& target = inTitle ? page.title : out;
            if (blank) {
                if (!target.empty() && target.back() != '\n') space = true;
                continue;
            }
            if (space && !target.empty() && target.back() != '\n') target += ' ';
            space = false;
            target += p;
        }
    }
    while (!out.empty() && (out.back() == ' ' || out.back() == '\n')) out.pop_back();
    page.text = out;
    return page;
}

WebBrowser::WebBrowser(Form& f, std::string name, int index)
    : Control(f, std::move(name), index), alive_(std::make_shared<bool>(true)) {
    Width(4800);
    Height(3600);
    BackColor(kSysWindow);
    ForeColor(kSysWindowText);
}

WebBrowser::~WebBrowser() = default;

void WebBrowser::Navigate2(const std::string& url) {
    const int ticket = ++ticket_;
    ++pending_;
    std::weak_ptr<bool> alive = alive_;
    post([this, alive, url, ticket] {
        if (alive.lock()) complete(url, ticket);
    });
}

void WebBrowser::complete(const std::string& url, int ticket) {
    --pending_;
    // A newer navigation replaces this one.
    if (ticket != ticket_) return;
    const std::string path = localPath(url);
    std::optional<std::string> html;
    if (!path.empty()) html = base::readFile(unescape(path));
    if (html) {
        PageText page = htmlToText(*html);
        location_ = url;
        title_ = page.title.empty() ? url : page.title;
        text_ = page.text;
        changed();
        NavigateComplete2(url);
        return;
    }
    unreachable_.push_back(url);
    location_ = url;
    title_ = "The page cannot be displayed";
    text_ = "The page cannot be displayed\n\nThe page you are looking for is currently unavailable.\n" + url;
    changed();
    NavigateError(url);
}

void WebBrowser::formUnloading() {
    // Navigations still on their way are dropped with the page.
    ++ticket_;
}

}  // namespace qv::forms
