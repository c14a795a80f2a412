#pragma once
// WebBrowser: shows a page. Navigate2 takes a local file (a path, "\" or "/" separated, or a
// "file:" address, optionally with "#name") or an address on the web; the navigation completes
// on the loop's next pass. A local page that can be read is drawn by the HTML engine (headings,
// lists, tables, links, pictures) and raises NavigateComplete2 with the address; documentText
// holds its text (tags dropped, entities decoded, blocks on lines of their own). Anything else
// — a missing file, or an address on the web, which this program never fetches — shows the
// browser's own error page, raises NavigateError and is recorded in unreachable().
// A click on a link to a local page goes there, on "#name" scrolls to it, and a link to the web
// goes to the shell's "open" (the desktop's browser). The arrow, page and Home/End keys scroll
// the page, and a click on the scroll bar pages toward it from the thumb. The control raises no
// DblClick: a second click in quick succession is another click.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/control.h"
#include "platform/gfx/device_context.h"
#include "platform/gui/classic_parts.h"

namespace qv::html {
class Document;
}

namespace qv::forms {

class WebBrowser : public Control {
public:
    WebBrowser(Form& f, std::string name, int index = -1);
    ~WebBrowser() override;
    std::string_view kind() const override { return "WebBrowser"; }

    void Navigate2(const std::string& url);
    // The address of the page shown ("" before the first navigation completes).
    const std::string& LocationURL() const { return location_; }
    // The page's title, or its address when it has none.
    const std::string& LocationName() const { return title_; }
    // True from Navigate2 until the navigation completes.
    bool Busy() const { return pending_ != 0; }
    // The text the page shows.
    const std::string& documentText() const { return text_; }
    // Every address that could not be reached, in order.
    const std::vector<std::string>& unreachable() const { return unreachable_; }

    Event<const std::string&> NavigateComplete2;  // URL
    Event<const std::string&> NavigateError;      // URL

    void formUnloading() override;
    void mouseClick(int button, float x, float y) override;
    bool takesDoubleClicks() const override { return false; }
    void keyDown(int keyCode, int shift) override;

    // Drawing: where the page shows inside the control (pixels from its top left corner, inside
    // the border and left of the scroll bar), the page's height there, the first row shown, and
    // the page itself painted with the control's top left corner at `at`.
    gfx::Rect pageArea() const;
    int pageHeight();
    int scrollTop() const { return scrollTop_; }
    void scrollTo(int top);
    void paintPage(gfx::DeviceContext& dc, gfx::Point at);
    // Where the scroll bar shows its arrows and thumb, in pixels from the control's top left
    // corner.
    gui::ScrollBarParts scrollBar();

    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;
private:
    void complete(const std::string& url, int ticket);
    void show(std::unique_ptr<html::Document> page, const std::string& fragment);
    void follow(const std::string& href);
    // Lays the page out for the control's present width.
    void layOut();
    std::string location_;
    std::string title_;
    std::string text_;
    std::vector<std::string> unreachable_;
    int pending_ = 0;
    int ticket_ = 0;
    std::unique_ptr<html::Document> page_;
    int laidOutWidth_ = -1;
    int scrollTop_ = 0;
    std::shared_ptr<bool> alive_;  // posted work holds a weak reference
};

// The text a browser shows for an HTML page (Windows-1252 bytes in and out), and its title.
struct PageText {
    std::string title;
    std::string text;
};
PageText htmlToText(std::string_view html);

}  // namespace qv::forms
