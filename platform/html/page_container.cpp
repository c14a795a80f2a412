#include "platform/html/page_container.h"

#include <algorithm>
#include <cctype>

#include "platform/base/cp1252.h"
#include "platform/base/files.h"
#include "platform/base/text.h"
#include "platform/gfx/font_face.h"
#include "platform/html/default_style.h"
#include "platform/html/page_address.h"

namespace qv::html {
namespace {

// One engine context for every page: it holds the default style sheet, parsed once.
litehtml::context& engineContext() {
    static litehtml::context* ctx = [] {
        auto* c = new litehtml::context;
        c->load_master_stylesheet(defaultStyleSheet());
        return c;
    }();
    return *ctx;
}

gfx::Colour colourOf(litehtml::web_color c) { return gfx::rgb(c.red, c.green, c.blue); }

// A colour made darker (factor below 1) or lighter (above 1), as a 3D border shades its sides.
litehtml::web_color shade(litehtml::web_color c, double factor) {
    auto ch = [&](int v) {
        const double s = factor <= 1 ? v * factor : v + (255 - v) * (factor - 1);
        return static_cast<litehtml::byte>(std::clamp(static_cast<int>(s + 0.5), 0, 255));
    };
    return litehtml::web_color(ch(c.red), ch(c.green), ch(c.blue), c.alpha);
}

gfx::Rect rectOf(const litehtml::position& p) { return {p.x, p.y, p.x + p.width, p.y + p.height}; }

// The family our font layer is asked for: the first one named, a monospaced face for
// "monospace" and its kin.
std::string familyOf(std::string_view faceList) {
    std::string first;
    for (std::string_view rest = faceList; !rest.empty();) {
        const size_t comma = rest.find(',');
        std::string name(rest.substr(0, comma));
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        name.erase(std::remove(name.begin(), name.end(), '"'), name.end());
        name.erase(std::remove(name.begin(), name.end(), '\''), name.end());
        name = base::Trim(name);
        if (name.empty()) continue;
        const std::string lower = base::LCase(name);
        if (lower == "monospace" || lower.find("mono") != std::string::npos || lower.find("courier") != std::string::npos)
            return "Courier New";
        if (first.empty()) first = name;
    }
    return first.empty() ? "Tahoma" : first;
}

}  // namespace

void PageContainer::load(const std::string& utf8) {
    page_ = litehtml::document::createFromUTF8(utf8.c_str(), this, &engineContext());
}

std::string PageContainer::localPath(const std::string& href) const {
    const PageAddress a = resolveAddress(base::utf8ToCp1252(href), baseFolder_);
    return a.kind == PageAddress::kLocal ? a.path : std::string();
}

const PageContainer::FontEntry* PageContainer::fontOf(litehtml::uint_ptr handle) const {
    if (handle == 0 || handle > fonts_.size()) return nullptr;
    return &fonts_[handle - 1];
}

litehtml::uint_ptr PageContainer::create_font(const litehtml::tchar_t* faceName, int size, int weight,
                                              litehtml::font_style italic, unsigned int decoration,
                                              litehtml::font_metrics* fm) {
    FontEntry e;
    e.font.name = familyOf(faceName ? faceName : "");
    // Our sizes are points at 96 dots per inch; the engine's are pixels.
    e.font.points = std::max(1, size) * 72.0 / 96.0;
    e.font.bold = weight >= 600;
    e.font.italic = italic == litehtml::fontStyleItalic;
    e.font.underline = (decoration & litehtml::font_decoration_underline) != 0;
    e.font.strikethrough = (decoration & litehtml::font_decoration_linethrough) != 0;
    e.metrics = gfx::fontMetrics(e.font);
    if (fm) {
        fm->ascent = e.metrics.ascent;
        fm->descent = e.metrics.descent;
        fm->height = e.metrics.height;
        const int x = gfx::FontFace::forFont(e.font).glyph(U'x').top;
        fm->x_height = x > 0 ? x : e.metrics.ascent / 2;
        // Blanks are drawn only where a line runs through them.
        fm->draw_spaces = e.font.underline || e.font.strikethrough;
    }
    fonts_.push_back(std::move(e));
    return fonts_.size();
}

int PageContainer::text_width(const litehtml::tchar_t* text, litehtml::uint_ptr hFont) {
    const FontEntry* f = fontOf(hFont);
    if (!f || !text) return 0;
    return gfx::textExtent(f->font, base::utf8ToCp1252(text)).cx;
}

void PageContainer::draw_text(litehtml::uint_ptr, const litehtml::tchar_t* text, litehtml::uint_ptr hFont,
                              litehtml::web_color color, const litehtml::position& pos) {
    const FontEntry* f = fontOf(hFont);
    if (!dc_ || !f || !text || color.alpha == 0) return;
    const gfx::Font oldFont = dc_->selectFont(f->font);
    const gfx::Colour oldColour = dc_->setTextColour(colourOf(color));
    const gfx::BackgroundMode oldMode = dc_->setBkMode(gfx::BackgroundMode::Transparent);
    // The engine places the baseline one descent above the bottom of the box.
    dc_->textOut(pos.x, pos.bottom() - f->metrics.height, base::utf8ToCp1252(text));
    dc_->setBkMode(oldMode);
    dc_->setTextColour(oldColour);
    dc_->selectFont(oldFont);
}

void PageContainer::fill(const gfx::Rect& r, litehtml::web_color c) {
    if (dc_ && c.alpha != 0 && !r.isEmpty()) dc_->fillRect(r, gfx::Brush::solid(colourOf(c)));
}

void PageContainer::draw_list_marker(litehtml::uint_ptr, const litehtml::list_marker& marker) {
    if (!dc_) return;
    if (!marker.image.empty()) {
        if (gfx::PicturePtr p = picture(marker.image, marker.baseurl))
            dc_->drawIcon(marker.pos.x, marker.pos.y, p.get(), marker.pos.width, marker.pos.height);
        return;
    }
    const gfx::Rect r = rectOf(marker.pos);
    const gfx::Colour c = colourOf(marker.color);
    switch (marker.marker_type) {
        case litehtml::list_style_type_none:
            return;
        case litehtml::list_style_type_square:
            fill(r, marker.color);
            return;
        case litehtml::list_style_type_circle:
        case litehtml::list_style_type_disc: {
            const gfx::Pen oldPen = dc_->selectPen(gfx::Pen{gfx::PenStyle::Solid, 1, c});
            const gfx::Brush oldBrush = dc_->selectBrush(marker.marker_type == litehtml::list_style_type_disc
                                                             ? gfx::Brush::solid(c)
                                                             : gfx::Brush::none());
            dc_->ellipse(r.left, r.top, r.right, r.bottom);
            dc_->selectBrush(oldBrush);
            dc_->selectPen(oldPen);
            return;
        }
        default:
            // Numbered markers are text, which the engine draws itself.
            return;
    }
}

gfx::PicturePtr PageContainer::picture(const std::string& src, const char* baseurl) {
    const std::string folder = baseurl && *baseurl ? base::utf8ToCp1252(baseurl) : baseFolder_;
    const PageAddress a = resolveAddress(base::utf8ToCp1252(src), folder);
    if (a.kind != PageAddress::kLocal) return nullptr;  // nothing is fetched from the web
    auto [it, fresh] = pictures_.try_emplace(a.path);
    if (fresh) it->second = gfx::loadIcon(a.path);
    return it->second;
}

void PageContainer::load_image(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, bool) {
    if (src) picture(src, baseurl);
}

void PageContainer::get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl,
                                   litehtml::size& sz) {
    const gfx::PicturePtr p = src ? picture(src, baseurl) : nullptr;
    sz.width = p ? p->width() : 0;
    sz.height = p ? p->height() : 0;
}

void PageContainer::draw_background(litehtml::uint_ptr, const litehtml::background_paint& bg) {
    if (!dc_) return;
    if (bg.image.empty()) {
        fill(rectOf(bg.clip_box), bg.color);
        return;
    }
    fill(rectOf(bg.clip_box), bg.color);
    const gfx::PicturePtr p = picture(bg.image, bg.baseurl.c_str());
    const int w = bg.image_size.width > 0 ? bg.image_size.width : (p ? p->width() : 0);
    const int h = bg.image_size.height > 0 ? bg.image_size.height : (p ? p->height() : 0);
    if (!p || w <= 0 || h <= 0) return;
    clips_.push_back(gfx::intersect(clips_.back(), rectOf(bg.clip_box)));
    applyClip();
    const gfx::Rect box = rectOf(bg.clip_box);
    const bool acrossX = bg.repeat == litehtml::background_repeat_repeat || bg.repeat == litehtml::background_repeat_repeat_x;
    const bool acrossY = bg.repeat == litehtml::background_repeat_repeat || bg.repeat == litehtml::background_repeat_repeat_y;
    // Tiles start where the picture is placed and cover the box in the directions it repeats.
    int x0 = bg.position_x, y0 = bg.position_y;
    if (acrossX) while (x0 > box.left) x0 -= w;
    if (acrossY) while (y0 > box.top) y0 -= h;
    for (int y = y0; y < (acrossY ? box.bottom : y0 + 1); y += h)
        for (int x = x0; x < (acrossX ? box.right : x0 + 1); x += w) dc_->drawIcon(x, y, p.get(), w, h);
    clips_.pop_back();
    applyClip();
}

void PageContainer::draw_borders(litehtml::uint_ptr, const litehtml::borders& borders,
                                 const litehtml::position& pos, bool) {
    if (!dc_) return;
    const int l = pos.x, t = pos.y, r = pos.right(), b = pos.bottom();
    // Inset and groove sides are dark at the top and left, outset and ridge ones at the bottom
    // and right.
    auto sideColour = [](const litehtml::border& side, bool topLeft) {
        switch (side.style) {
            case litehtml::border_style_inset:
            case litehtml::border_style_groove: return shade(side.color, topLeft ? 0.5 : 1.6);
            case litehtml::border_style_outset:
            case litehtml::border_style_ridge: return shade(side.color, topLeft ? 1.6 : 0.5);
            default: return side.color;
        }
    };
    auto side = [&](const litehtml::border& s, gfx::Rect rc, bool horizontal, bool topLeft) {
        if (s.width <= 0 || s.style == litehtml::border_style_none || s.style == litehtml::border_style_hidden) return;
        const litehtml::web_color c = sideColour(s, topLeft);
        if (s.style != litehtml::border_style_dotted && s.style != litehtml::border_style_dashed) {
            fill(rc, c);
            return;
        }
        const int dash = s.style == litehtml::border_style_dotted ? s.width : 3 * s.width;
        const int from = horizontal ? rc.left : rc.top, to = horizontal ? rc.right : rc.bottom;
        for (int at = from; at < to; at += 2 * dash) {
            const int end = std::min(to, at + dash);
            fill(horizontal ? gfx::Rect{at, rc.top, end, rc.bottom} : gfx::Rect{rc.left, at, rc.right, end}, c);
        }
    };
    side(borders.top, {l, t, r, t + borders.top.width}, true, true);
    side(borders.bottom, {l, b - borders.bottom.width, r, b}, true, false);
    side(borders.left, {l, t, l + borders.left.width, b}, false, true);
    side(borders.right, {r - borders.right.width, t, r, b}, false, false);
}

void PageContainer::set_caption(const litehtml::tchar_t* caption) {
    title_ = caption ? base::Trim(base::utf8ToCp1252(caption)) : std::string();
}

void PageContainer::set_base_url(const litehtml::tchar_t* base_url) {
    if (!base_url || !*base_url) return;
    const PageAddress a = resolveAddress(base::utf8ToCp1252(base_url), baseFolder_);
    if (a.kind != PageAddress::kLocal) return;
    // A base written as a folder ("docs/") or as a page in it ("docs/index.htm").
    const std::string written = base_url;
    baseFolder_ = written.back() == '/' || written.back() == '\\' || base::dirExists(a.path) ? a.path : base::folderOf(a.path);
}

void PageContainer::link(const std::shared_ptr<litehtml::document>& doc, const litehtml::element::ptr& el) {
    if (!doc || !el) return;
    const char* rel = el->get_attr("rel");
    const char* href = el->get_attr("href");
    if (!rel || !href || !base::equalsNoCase(base::Trim(rel), "stylesheet")) return;
    const std::string path = localPath(href);
    if (path.empty()) return;
    if (auto text = base::readFile(path)) {
        const char* media = el->get_attr("media");
        doc->add_stylesheet(text->c_str(), base::cp1252ToUtf8(base::folderOf(path)).c_str(), media);
    }
}

void PageContainer::transform_text(litehtml::tstring& text, litehtml::text_transform tt) {
    auto each = [&](auto f) {
        for (char& c : text) c = static_cast<char>(f(static_cast<unsigned char>(c)));
    };
    if (tt == litehtml::text_transform_uppercase) each([](int c) { return std::toupper(c); });
    else if (tt == litehtml::text_transform_lowercase) each([](int c) { return std::tolower(c); });
    else if (tt == litehtml::text_transform_capitalize && !text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
}

void PageContainer::import_css(litehtml::tstring& text, const litehtml::tstring& url, litehtml::tstring& baseurl) {
    text.clear();
    const PageAddress a = resolveAddress(base::utf8ToCp1252(url), baseurl.empty() ? baseFolder_ : base::utf8ToCp1252(baseurl));
    if (a.kind != PageAddress::kLocal) return;
    if (auto css = base::readFile(a.path)) {
        text = *css;
        baseurl = base::cp1252ToUtf8(base::folderOf(a.path));
    }
}

void PageContainer::set_clip(const litehtml::position& pos, const litehtml::border_radiuses&, bool valid_x,
                             bool valid_y) {
    gfx::Rect r = clips_.empty() ? rectOf(pos) : clips_.back();
    const gfx::Rect p = rectOf(pos);
    if (valid_x) r = {std::max(r.left, p.left), r.top, std::min(r.right, p.right), r.bottom};
    if (valid_y) r = {r.left, std::max(r.top, p.top), r.right, std::min(r.bottom, p.bottom)};
    clips_.push_back(r.isEmpty() ? gfx::Rect{} : r);
    applyClip();
}

void PageContainer::del_clip() {
    if (clips_.size() > 1) clips_.pop_back();
    applyClip();
}

void PageContainer::applyClip() {
    if (!dc_ || clips_.empty()) return;
    gfx::Region r = gfx::Region::rect(clips_.back());
    if (outerClip_) r = gfx::Region::combine(r, *outerClip_, gfx::CombineMode::And);
    dc_->setClip(std::move(r));
}

void PageContainer::paint(gfx::DeviceContext& dc, int x, int y, const gfx::Rect& clip) {
    if (!page_) return;
    dc_ = &dc;
    outerClip_ = dc.clip();
    clips_ = {clip};
    applyClip();
    const litehtml::position cp(clip.left, clip.top, int(clip.width()), int(clip.height()));
    page_->draw(0, x, y, &cp);
    dc.setClip(outerClip_);
    clips_.clear();
    outerClip_.reset();
    dc_ = nullptr;
}

void PageContainer::get_client_rect(litehtml::position& client) const {
    client = litehtml::position(0, 0, viewWidth_, viewHeight_);
}

void PageContainer::get_media_features(litehtml::media_features& media) const {
    media.type = litehtml::media_type_screen;
    media.width = viewWidth_;
    media.height = viewHeight_;
    media.device_width = 1280;
    media.device_height = 1024;
    media.color = 8;
    media.monochrome = 0;
    media.color_index = 256;
    media.resolution = 96;
}

void PageContainer::get_language(litehtml::tstring& language, litehtml::tstring& culture) const {
    language = "en";
    culture = "US";
}

}  // namespace qv::html
