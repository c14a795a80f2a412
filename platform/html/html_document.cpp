#include "platform/html/html_document.h"

#include <algorithm>
#include <cstdint>
#include <functional>

#include "platform/base/cp1252.h"
#include "platform/base/files.h"
#include "platform/html/bounded_page.h"
#include "platform/html/page_container.h"

namespace qv::html {
namespace {

// Whether the bytes are well-formed UTF-8 (shortest forms, no surrogates).
bool isUtf8(std::string_view s) {
    static const uint32_t least[] = {0, 0x80, 0x800, 0x10000};
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t n = 0;
        uint32_t cp = 0;
        if ((c & 0xE0) == 0xC0) n = 1, cp = c & 0x1F;
        else if ((c & 0xF0) == 0xE0) n = 2, cp = c & 0x0F;
        else if ((c & 0xF8) == 0xF0) n = 3, cp = c & 0x07;
        else return false;
        if (s.size() - i <= n) return false;
        for (size_t k = 1; k <= n; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = cp << 6 | (d & 0x3F);
        }
        if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += n + 1;
    }
    return true;
}

// Walks the element tree depth first until visit returns true; the element it stopped at.
litehtml::element::ptr findElement(const litehtml::element::ptr& el,
                                   const std::function<bool(const litehtml::element&)>& visit) {
    if (!el) return nullptr;
    if (visit(*el)) return el;
    for (size_t i = 0; i < el->get_children_count(); ++i)
        if (auto found = findElement(el->get_child(static_cast<int>(i)), visit)) return found;
    return nullptr;
}

bool attrIs(const litehtml::element& el, const char* name, const std::string& value) {
    const char* v = el.get_attr(name);
    return v && value == v;
}

}  // namespace

Document::Document() = default;
Document::~Document() = default;

std::unique_ptr<Document> Document::fromText(std::string_view text, std::string baseFolder) {
    std::unique_ptr<Document> d(new Document);
    d->container_ = std::make_unique<PageContainer>(std::move(baseFolder));
    std::string utf8 = isUtf8(text) ? std::string(text) : base::cp1252ToUtf8(text);
    // The engine reads a C string: a NUL byte would end the page early.
    std::erase(utf8, '\0');
    d->container_->load(boundedPage(utf8));
    return d;
}

std::unique_ptr<Document> Document::fromFile(std::string_view path) {
    const std::optional<std::string> text = base::readFile(path);
    if (!text) return nullptr;
    return fromText(*text, base::folderOf(base::nativePath(path)));
}

const std::string& Document::title() const { return container_->title(); }
const std::string& Document::baseFolder() const { return container_->baseFolder(); }

int Document::layout(int width, int viewHeight) {
    litehtml::document* page = container_->page();
    if (!page) return 0;
    container_->setView(width, viewHeight);
    page->render(std::max(width, 1));
    return page->height();
}

int Document::width() const { return container_->page() ? container_->page()->width() : 0; }
int Document::height() const { return container_->page() ? container_->page()->height() : 0; }

void Document::paint(gfx::DeviceContext& dc, gfx::Point origin, const gfx::Rect& clip) {
    // The engine draws in canvas pixels.
    const gfx::Point o = dc.setOrigin({0, 0});
    const gfx::Rect canvasClip{clip.left + o.x, clip.top + o.y, clip.right + o.x, clip.bottom + o.y};
    container_->paint(dc, origin.x + o.x, origin.y + o.y, canvasClip);
    dc.setOrigin(o);
}

std::optional<std::string> Document::linkAt(int x, int y) const {
    litehtml::document* page = container_->page();
    if (!page || !page->root()) return std::nullopt;
    for (auto el = page->root()->get_element_by_point(x, y, x, y); el; el = el->parent()) {
        const char* tag = el->get_tagName();
        const char* href = el->get_attr("href");
        if (tag && href && std::string_view(tag) == "a") return base::utf8ToCp1252(href);
    }
    return std::nullopt;
}

PageAddress Document::resolve(std::string_view href) const { return resolveAddress(href, baseFolder()); }

std::optional<int> Document::anchorTop(std::string_view name) const {
    litehtml::document* page = container_->page();
    if (!page || name.empty()) return std::nullopt;
    const std::string wanted = base::cp1252ToUtf8(name);
    auto el = findElement(page->root(), [&](const litehtml::element& e) {
        if (attrIs(e, "id", wanted)) return true;
        const char* tag = e.get_tagName();
        return tag && std::string_view(tag) == "a" && attrIs(e, "name", wanted);
    });
    if (!el) return std::nullopt;
    return el->get_placement().y;
}

}  // namespace qv::html
