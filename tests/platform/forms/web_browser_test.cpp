// The browser control over pages drawn by the HTML engine: a click on a link to a local page
// goes there (and to the named place in it), a click on a link to the web opens it in the
// desktop's browser and leaves the page as it is, "#name" links and keys scroll.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/clock.h"
#include "platform/forms/common/web_browser.h"
#include "platform/forms/instances.h"
#include "platform/forms/runtime.h"
#include "platform/gui/shell.h"

namespace qv::forms {
namespace {

const std::string kPages = QV_FIXTURES "/html";

class frmWeb : public Form {
public:
    frmWeb() : Form("frmWeb") {
        // The window holds the whole browser, its scroll bar too, so input at its points reaches it.
        Move(0, 0, pixelsToTwips(440), pixelsToTwips(360));
        WebBrowser1.Move(0, 0, pixelsToTwips(420), pixelsToTwips(304));
        WebBrowser1.NavigateComplete2 = [this](const std::string& url) { log.push_back("Complete " + url); };
        WebBrowser1.NavigateError = [this](const std::string& url) { log.push_back("Error " + url); };
    }
    WebBrowser WebBrowser1{*this, "WebBrowser1"};
    std::vector<std::string> log;
};

class WebBrowserPages : public ::testing::Test {
protected:
    WebBrowserPages() {
        form.Show();
        browser.Navigate2(kPages + "/page.htm");
        DoEvents();
    }
    ~WebBrowserPages() override { resetForms(); }
    // A click at a point of the page as it stands scrolled (the page's area starts two pixels
    // into the control).
    void clickPage(int x, int y) { form.injectClick(2 + x, 2 + y - browser.scrollTop()); }

    base::FakeClock clock;
    base::ScopedClock useClock{clock};
    gui::RecordingShell shell;
    gui::ScopedShell useShell{shell};
    frmWeb form;
    WebBrowser& browser = form.WebBrowser1;
};

TEST_F(WebBrowserPages, AClickOnALocalLinkGoesToThatPageAndThePlaceItNames) {
    ASSERT_EQ(form.log, std::vector<std::string>{"Complete " + kPages + "/page.htm"});
    EXPECT_EQ(browser.LocationName(), "Test Page");
    EXPECT_GT(browser.pageHeight(), 1000);

    clickPage(10, 50);
    EXPECT_EQ(browser.LocationURL(), kPages + "/page.htm") << "the navigation completes on the next pass";
    DoEvents();
    EXPECT_EQ(form.log.back(), "Complete " + kPages + "/other.htm#second");
    EXPECT_EQ(browser.LocationName(), "Other Page");
    EXPECT_GT(browser.scrollTop(), 500) << "scrolled down to the heading the address names";
    EXPECT_TRUE(shell.requests.empty());
}

TEST_F(WebBrowserPages, AClickOnAWebLinkOpensTheDesktopsBrowserAndStays) {
    clickPage(10, 75);
    DoEvents();
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].operation, "open");
    EXPECT_EQ(shell.requests[0].file, "http://www.example.invalid/page");
    EXPECT_EQ(browser.LocationURL(), kPages + "/page.htm");
    EXPECT_TRUE(browser.unreachable().empty()) << "the control itself never goes to the web";
    clickPage(300, 20);
    DoEvents();
    EXPECT_EQ(shell.requests.size(), 1u) << "a click beside every link follows none";
}

TEST_F(WebBrowserPages, NamedPlacesKeysAndTheScrollBarScroll) {
    const int most = browser.pageHeight() - static_cast<int>(browser.pageArea().height());
    clickPage(10, 100);  // "#bottom", the page's last heading
    EXPECT_EQ(browser.scrollTop(), most) << "as far as the page goes";
    browser.keyDown(36, 0);  // Home
    EXPECT_EQ(browser.scrollTop(), 0);
    browser.keyDown(34, 0);  // Page Down
    EXPECT_EQ(browser.scrollTop(), static_cast<int>(browser.pageArea().height()));
    browser.keyDown(38, 0);  // Up
    EXPECT_EQ(browser.scrollTop(), static_cast<int>(browser.pageArea().height()) - 40);
    browser.keyDown(35, 0);  // End
    EXPECT_EQ(browser.scrollTop(), most);
    form.injectClick(410, 10);  // the scroll bar above its middle: a page up
    EXPECT_EQ(browser.scrollTop(), most - static_cast<int>(browser.pageArea().height()));
}

// A click on the scroll bar pages toward it from the thumb, whichever half of the bar it is in;
// one on the thumb pages nowhere; a quick second click is one more page, not a double click.
TEST_F(WebBrowserPages, TheScrollBarPagesTowardTheClickFromItsThumb) {
    const int view = static_cast<int>(browser.pageArea().height());
    const int most = browser.pageHeight() - view;
    const int barX = 410, middle = twipsToPixels(browser.Height()) / 2;
    struct Case {
        const char* name;
        int from;
        int (*at)(const gui::ScrollBarParts& bar);  // the click's row, from the bar where it starts
        int clicks;
        int to;
    };
    const Case cases[] = {
        {"at the top, just below the thumb", 0, [](const gui::ScrollBarParts& b) { return b.thumb.bottom + 2; }, 1,
         view},
        {"at the end, just above the thumb", most, [](const gui::ScrollBarParts& b) { return b.thumb.top - 2; }, 1,
         most - view},
        {"on the thumb", view, [](const gui::ScrollBarParts& b) { return (b.thumb.top + b.thumb.bottom) / 2; }, 1,
         view},
        {"twice in quick succession, above the down arrow", 0,
         [](const gui::ScrollBarParts& b) { return b.down.top - 2; }, 2, 2 * view},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        browser.scrollTo(c.from);
        clock.advance(1000);  // no double click with the case before
        const gui::ScrollBarParts bar = browser.scrollBar();
        ASSERT_FALSE(bar.thumb.isEmpty());
        const int y = c.at(bar);
        for (int i = 0; i < c.clicks; ++i) form.injectClick(barX, y);
        EXPECT_EQ(browser.scrollTop(), c.to);
    }
    // The first two cases lie on the far side of the bar's middle from where they page.
    browser.scrollTo(0);
    EXPECT_LT(browser.scrollBar().thumb.bottom + 2, middle);
    browser.scrollTo(most);
    EXPECT_GT(browser.scrollBar().thumb.top - 2, middle);
}

TEST_F(WebBrowserPages, AMissingPageShowsTheErrorPage) {
    browser.Navigate2(kPages + "/missing.htm");
    DoEvents();
    EXPECT_EQ(form.log.back(), "Error " + kPages + "/missing.htm");
    EXPECT_EQ(browser.LocationName(), "The page cannot be displayed");
    EXPECT_GT(browser.pageHeight(), 0) << "the error page is drawn as a page too";
    EXPECT_EQ(browser.scrollTop(), 0);
}

}  // namespace
}  // namespace qv::forms
