#include "platform/forms/common/web_browser.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "platform/base/convert.h"
#include "platform/base/files.h"
#include "platform/base/text.h"
#include "platform/forms/runtime.h"
#include "platform/gui/shell.h"
#include "platform/html/html_document.h"

namespace qv::forms {
namespace {

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
    const std::string path = html::localPathOf(url);
    std::optional<std::string> html;
    if (!path.empty()) html = base::readFile(path);
    location_ = url;
    if (html) {
        PageText page = htmlToText(*html);
        auto doc = html::Document::fromText(*html, base::folderOf(base::nativePath(path)));
        title_ = !doc->title().empty() ? doc->title() : !page.title.empty() ? page.title : url;
        text_ = page.text;
        const size_t hash = url.find('#');
        show(std::move(doc), hash == std::string::npos ? "" : url.substr(hash + 1));
        NavigateComplete2(url);
        return;
    }
    unreachable_.push_back(url);
    title_ = "The page cannot be displayed";
    text_ = "The page cannot be displayed\n\nThe page you are looking for is currently unavailable.\n" + url;
    show(html::Document::fromText("<html><body><h2>The page cannot be displayed</h2><p>The page you are looking "
                                  "for is currently unavailable.</p><p>" +
                                      base::Replace(base::Replace(url, "&", "&amp;"), "<", "&lt;") + "</p></body></html>",
                                  ""),
         "");
    NavigateError(url);
}

void WebBrowser::show(std::unique_ptr<html::Document> page, const std::string& fragment) {
    page_ = std::move(page);
    laidOutWidth_ = -1;
    scrollTop_ = 0;
    if (!fragment.empty()) {
        layOut();
        if (auto top = page_->anchorTop(fragment)) scrollTo(*top);
    }
    changed();
}

gfx::Rect WebBrowser::pageArea() const {
    // Inside the two-pixel sunken border, left of the 16-pixel scroll bar.
    const int w = twipsToPixels(Width()), h = twipsToPixels(Height());
    return {2, 2, std::max(2, w - 2 - 16), std::max(2, h - 2)};
}

void WebBrowser::layOut() {
    const gfx::Rect area = pageArea();
    const int width = static_cast<int>(area.width());
    if (!page_ || width == laidOutWidth_) return;
    page_->layout(width, static_cast<int>(area.height()));
    laidOutWidth_ = width;
}

int WebBrowser::pageHeight() {
    layOut();
    return page_ ? page_->height() : 0;
}

void WebBrowser::scrollTo(int top) {
    const int most = std::max(0, pageHeight() - static_cast<int>(pageArea().height()));
    top = std::clamp(top, 0, most);
    if (top == scrollTop_) return;
    scrollTop_ = top;
    changed();
}

void WebBrowser::paintPage(gfx::DeviceContext& dc, gfx::Point at) {
    layOut();
    if (!page_) return;
    const gfx::Rect area = pageArea();
    const gfx::Rect clip{at.x + area.left, at.y + area.top, at.x + area.right, at.y + area.bottom};
    page_->paint(dc, {clip.left, clip.top - scrollTop_}, clip);
}

gui::ScrollBarParts WebBrowser::scrollBar() {
    const int w = twipsToPixels(Width()), h = twipsToPixels(Height()), view = static_cast<int>(pageArea().height());
    return gui::verticalScrollBarParts({w - gui::kScrollBarSize, 0, w, h}, scrollTop_, std::max(pageHeight(), view),
                                       view);
}

void WebBrowser::follow(const std::string& href) {
    const html::PageAddress a = page_->resolve(href);
    switch (a.kind) {
        case html::PageAddress::kLocal:
            Navigate2(a.fragment.empty() ? a.path : a.path + "#" + a.fragment);
            return;
        case html::PageAddress::kInPage:
            if (auto top = page_->anchorTop(a.fragment)) scrollTo(*top);
            return;
        case html::PageAddress::kWeb:
            // Pages on the web open in the desktop's browser; this control never fetches them.
            gui::ShellExecute(0, "open", a.address, "", "", gui::SW_SHOWNORMAL);
            return;
        case html::PageAddress::kNone:
            return;
    }
}

void WebBrowser::mouseClick(int button, float x, float y) {
    Control::mouseClick(button, x, y);
    if (button != kLeftButton || !page_) return;
    const int px = twipsToPixels(x), py = twipsToPixels(y);
    const gfx::Rect area = pageArea();
    const int view = static_cast<int>(area.height());
    if (px >= area.right) {
        // The scroll bar: a page up above the thumb, a page down below it.
        const gfx::Rect thumb = scrollBar().thumb;
        if (thumb.isEmpty()) return;
        if (py < thumb.top)
            scrollTo(scrollTop_ - view);
        else if (py >= thumb.bottom)
            scrollTo(scrollTop_ + view);
        return;
    }
    if (!area.contains(px, py)) return;
    layOut();
    if (auto href = page_->linkAt(px - area.left, py - area.top + scrollTop_)) follow(*href);
}

void WebBrowser::keyDown(int keyCode, int /*shift*/) {
    const int view = static_cast<int>(pageArea().height()), line = 40;
    switch (keyCode) {
        case 38: scrollTo(scrollTop_ - line); break;   // Up
        case 40: scrollTo(scrollTop_ + line); break;   // Down
        case 33: scrollTo(scrollTop_ - view); break;   // Page Up
        case 34: scrollTo(scrollTop_ + view); break;   // Page Down
        case 36: scrollTo(0); break;                   // Home
        case 35: scrollTo(pageHeight()); break;        // End
        default: break;
    }
}

void WebBrowser::formUnloading() {
    // Navigations still on their way are dropped with the page.
    ++ticket_;
}

}  // namespace qv::forms
