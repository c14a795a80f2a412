#pragma once
// A page drawn by the HTML engine: loaded from its text or a file, laid out at a width, painted
// into a device context at any offset and clip (so it scrolls), with its links found by point.
// Fonts are our FreeType faces and pictures come from our picture loaders; nothing is fetched
// from the web. Texts in and out are Windows-1252 bytes, as the program's strings are.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/gfx/device_context.h"
#include "platform/html/page_address.h"

namespace qv::html {

class PageContainer;

class Document {
public:
    // A page from its text: UTF-8, or Windows-1252 where the bytes are not UTF-8. Relative
    // addresses (pictures, style sheets, links) are taken below baseFolder.
    static std::unique_ptr<Document> fromText(std::string_view text, std::string baseFolder);
    // A page from a file, its folder as the base; nullptr when the file cannot be read.
    static std::unique_ptr<Document> fromFile(std::string_view path);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // The page's title ("" when it has none).
    const std::string& title() const;
    const std::string& baseFolder() const;

    // Lays the page out for a view width by viewHeight pixels; returns the page's height.
    int layout(int width, int viewHeight);
    // The size of the page as last laid out (0 before).
    int width() const;
    int height() const;

    // Paints the page with its top left corner at origin, drawing nothing outside clip (both in
    // the device context's coordinates) nor outside the context's own clip.
    void paint(gfx::DeviceContext& dc, gfx::Point origin, const gfx::Rect& clip);

    // The address written in the link at a point of the page (page pixels); nullopt for none.
    std::optional<std::string> linkAt(int x, int y) const;
    // Where an address written in this page points.
    PageAddress resolve(std::string_view href) const;
    // The top of the element named by id (or an anchor's name), in page pixels; nullopt when
    // there is none.
    std::optional<int> anchorTop(std::string_view name) const;

private:
    Document();
    std::unique_ptr<PageContainer> container_;
};

}  // namespace qv::html
