#pragma once
// The HTML engine's view of our drawing layer: fonts, text, pictures, backgrounds, borders and
// list markers drawn through a device context, local style sheets and pictures read from the
// page's folder. One container holds one page.
#include <litehtml/litehtml.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/device_context.h"
#include "platform/gfx/font.h"
#include "platform/gfx/picture.h"

namespace qv::html {

class PageContainer final : public litehtml::document_container {
public:
    explicit PageContainer(std::string baseFolder) : baseFolder_(std::move(baseFolder)) {}

    // Parses the page (UTF-8).
    void load(const std::string& utf8);
    litehtml::document* page() const { return page_.get(); }
    const std::string& title() const { return title_; }
    const std::string& baseFolder() const { return baseFolder_; }
    void setView(int width, int height) { viewWidth_ = width; viewHeight_ = height; }
    // Paints through dc, everything inside clip (canvas coordinates).
    void paint(gfx::DeviceContext& dc, int x, int y, const gfx::Rect& clip);
    // A path or address of the page, resolved against its base.
    std::string localPath(const std::string& href) const;

    // --- the engine's calls ---
    litehtml::uint_ptr create_font(const litehtml::tchar_t* faceName, int size, int weight,
                                   litehtml::font_style italic, unsigned int decoration,
                                   litehtml::font_metrics* fm) override;
    void delete_font(litehtml::uint_ptr) override {}
    int text_width(const litehtml::tchar_t* text, litehtml::uint_ptr hFont) override;
    void draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t* text, litehtml::uint_ptr hFont,
                   litehtml::web_color color, const litehtml::position& pos) override;
    int pt_to_px(int pt) const override { return pt * 96 / 72; }
    int get_default_font_size() const override { return 16; }
    const litehtml::tchar_t* get_default_font_name() const override { return "sans-serif"; }
    void draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) override;
    void load_image(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, bool) override;
    void get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, litehtml::size& sz) override;
    void draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) override;
    void draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders, const litehtml::position& draw_pos,
                      bool root) override;
    void set_caption(const litehtml::tchar_t* caption) override;
    void set_base_url(const litehtml::tchar_t* base_url) override;
    void link(const std::shared_ptr<litehtml::document>& doc, const litehtml::element::ptr& el) override;
    void on_anchor_click(const litehtml::tchar_t*, const litehtml::element::ptr&) override {}
    void set_cursor(const litehtml::tchar_t*) override {}
    void transform_text(litehtml::tstring& text, litehtml::text_transform tt) override;
    void import_css(litehtml::tstring& text, const litehtml::tstring& url, litehtml::tstring& baseurl) override;
    void set_clip(const litehtml::position& pos, const litehtml::border_radiuses& radius, bool valid_x,
                  bool valid_y) override;
    void del_clip() override;
    void get_client_rect(litehtml::position& client) const override;
    std::shared_ptr<litehtml::element> create_element(const litehtml::tchar_t*, const litehtml::string_map&,
                                                      const std::shared_ptr<litehtml::document>&) override {
        return nullptr;
    }
    void get_media_features(litehtml::media_features& media) const override;
    void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override;

private:
    struct FontEntry {
        gfx::Font font;
        gfx::FontMetrics metrics;
    };
    const FontEntry* fontOf(litehtml::uint_ptr handle) const;
    gfx::PicturePtr picture(const std::string& src, const char* baseurl);
    // Makes the device context's clip the innermost clip of the page.
    void applyClip();
    void fill(const gfx::Rect& r, litehtml::web_color c);

    std::string baseFolder_;
    std::string title_;
    std::shared_ptr<litehtml::document> page_;
    std::vector<FontEntry> fonts_;
    std::map<std::string, gfx::PicturePtr> pictures_;  // by path; nullptr for one that failed
    int viewWidth_ = 0;
    int viewHeight_ = 0;

    // While painting.
    gfx::DeviceContext* dc_ = nullptr;
    std::optional<gfx::Region> outerClip_;  // the context's own clip
    std::vector<gfx::Rect> clips_;          // the paint's clip, then the page's nested clips
};

}  // namespace qv::html
