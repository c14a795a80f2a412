// Pages drawn by the HTML engine: what they show where, their links and anchors, and the bounds
// that keep a hostile page from stopping the program.
#include "platform/html/html_document.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/html/bounded_page.h"

namespace qv::html {
namespace {

const std::string kFolder = QV_FIXTURES "/html";

std::unique_ptr<Document> testPage() {
    auto d = Document::fromFile(kFolder + "/page.htm");
    EXPECT_NE(d, nullptr);
    d->layout(400, 300);
    return d;
}

// The share of pixels in r whose colour is near c.
double shareNear(const gfx::Canvas& canvas, gfx::Rect r, gfx::Colour c) {
    int near = 0, all = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x, ++all) {
            const gfx::Colour p = canvas.pixel(x, y);
            near += std::abs(gfx::redOf(p) - gfx::redOf(c)) < 40 && std::abs(gfx::greenOf(p) - gfx::greenOf(c)) < 40 &&
                    std::abs(gfx::blueOf(p) - gfx::blueOf(c)) < 40;
        }
    return all ? double(near) / all : 0;
}

TEST(HtmlAddress, LinksOfAPageResolveToLocalFilesPlacesOrTheWeb) {
    struct Case {
        const char* href;
        PageAddress expected;
    } cases[] = {
        {"other.htm", {PageAddress::kLocal, "/doc/other.htm", "", ""}},
        {"sub\\two%20words.htm#part", {PageAddress::kLocal, "/doc/sub/two words.htm", "part", ""}},
        {"/abs/page.htm?x=1", {PageAddress::kLocal, "/abs/page.htm", "", ""}},
        {"file:///abs/page.htm", {PageAddress::kLocal, "/abs/page.htm", "", ""}},
        {"#rules", {PageAddress::kInPage, "", "rules", ""}},
        {"http://www.example.invalid/a", {PageAddress::kWeb, "", "", "http://www.example.invalid/a"}},
        {"  mailto:support@example.invalid ", {PageAddress::kWeb, "", "", "mailto:support@example.invalid"}},
        {"javascript:alert(1)", {}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(resolveAddress(c.href, "/doc"), c.expected) << c.href;

    EXPECT_EQ(localPathOf("C:\\Quarvelin\\Doc\\documentation.htm"), "C:\\Quarvelin\\Doc\\documentation.htm");
    EXPECT_EQ(localPathOf("file:///srv/doc/help%20me.htm#top"), "/srv/doc/help me.htm");
    EXPECT_EQ(localPathOf("https://www.example.invalid/ads.php"), "");
}

TEST(HtmlDocument, PaintsTextStylesAndPicturesWhereTheLayoutPutsThem) {
    auto d = testPage();
    EXPECT_EQ(d->title(), "Test Page");
    EXPECT_GT(d->height(), 1000) << "the page is taller than its view";

    gfx::Canvas canvas(400, 300);
    gfx::DeviceContext dc(canvas);
    d->paint(dc, {0, 0}, {0, 0, 400, 300});
    // The heading in the linked style sheet's green, the picture stretched to 40 by 20.
    EXPECT_GT(shareNear(canvas, {0, 0, 150, 40}, gfx::rgb(0, 160, 0)), 0.05);
    EXPECT_GT(shareNear(canvas, {0, 112, 40, 132}, gfx::rgb(255, 0, 0)), 0.95);
    EXPECT_LT(shareNear(canvas, {41, 112, 80, 132}, gfx::rgb(255, 0, 0)), 0.01);
    // Links in the link colour.
    EXPECT_GT(shareNear(canvas, {0, 40, 100, 64}, gfx::rgb(0, 0, 238)), 0.05);
}

TEST(HtmlDocument, PaintsScrolledAndClippedIntoAnyPartOfTheCanvas) {
    auto d = testPage();
    gfx::Canvas canvas(300, 200, gfx::rgb(1, 2, 3));
    gfx::DeviceContext dc(canvas);
    dc.setOrigin({10, 5});
    // The page scrolled 112 rows up, into a view at (20, 20) of 100 by 50: the picture comes
    // first.
    d->paint(dc, {20, 20 - 112}, {20, 20, 120, 70});
    EXPECT_GT(shareNear(canvas, {30, 25, 70, 45}, gfx::rgb(255, 0, 0)), 0.95);
    int outside = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            if (!gfx::Rect{30, 25, 130, 75}.contains(x, y)) outside += canvas.pixel(x, y) != gfx::rgb(1, 2, 3);
    EXPECT_EQ(outside, 0) << "nothing is drawn outside the clip";
}

TEST(HtmlDocument, FindsLinksByPointAndAnchorsByName) {
    auto d = testPage();
    EXPECT_EQ(d->linkAt(10, 50), "other.htm#second");
    EXPECT_EQ(d->linkAt(10, 75), "http://www.example.invalid/page");
    EXPECT_EQ(d->linkAt(10, 100), "#bottom");
    EXPECT_EQ(d->linkAt(300, 50), std::nullopt) << "beside the link's text";
    EXPECT_EQ(d->linkAt(10, 20), std::nullopt);
    EXPECT_EQ(d->resolve("other.htm#second").path, kFolder + "/other.htm");
    ASSERT_TRUE(d->anchorTop("bottom").has_value());
    EXPECT_GE(*d->anchorTop("bottom"), 1036);
    EXPECT_EQ(d->anchorTop("nowhere"), std::nullopt);
}

TEST(HtmlDocument, ReadsWindows1252AndUtf8AndMissingFiles) {
    EXPECT_EQ(Document::fromText("<title>Caf\xE9</title>", "")->title(), "Caf\xE9");
    EXPECT_EQ(Document::fromText("<title>Caf\xC3\xA9</title>", "")->title(), "Caf\xE9");
    EXPECT_EQ(Document::fromText(std::string("<title>A\0B</title>", 18), "")->title(), "AB");
    EXPECT_EQ(Document::fromFile(kFolder + "/missing.htm"), nullptr);
    // Nothing from the web is fetched: the picture has no size and draws nothing.
    auto d = Document::fromText("<img src=\"http://www.example.invalid/a.png\">", "");
    d->layout(100, 100);
    gfx::Canvas canvas(100, 100);
    gfx::DeviceContext dc(canvas);
    d->paint(dc, {0, 0}, {0, 0, 100, 100});
    EXPECT_EQ(shareNear(canvas, {0, 0, 100, 100}, gfx::rgb(255, 255, 255)), 1.0);
}

// Nesting that would make the engine work for minutes is cut before it sees the page; the rest
// of the page stays.
TEST(BoundedPage, DeepNestingTablesInTablesAndScriptsAreLeftOut) {
    auto count = [](const std::string& s, const std::string& what) {
        int n = 0;
        for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
        return n;
    };
    std::string tables;
    for (int i = 0; i < 30; ++i) tables += "<table><tr><td>";
    EXPECT_EQ(count(boundedPage(tables + "deep"), "<table"), kMaxTableNesting);

    std::string divs;
    for (int i = 0; i < 5000; ++i) divs += "<div>";
    const std::string bounded = boundedPage(divs + "x");
    EXPECT_EQ(count(bounded, "<div"), kMaxNesting - 2) << "html and body count too";

    const std::string page = boundedPage("<p class=\"a&quot;\">one &amp; <b>two</b></p><script>alert(1)</script>"
                                         "<!-- note --><style>p > b { color: red }</style>");
    EXPECT_NE(page.find("<p class=\"a&quot;\">one &amp; <b>two</b></p>"), std::string::npos) << page;
    EXPECT_EQ(page.find("alert"), std::string::npos);
    EXPECT_EQ(page.find("note"), std::string::npos);
    EXPECT_NE(page.find("p > b { color: red }"), std::string::npos) << "style sheets stay as written";

    // A page of 30 tables inside one another is laid out at once.
    auto d = Document::fromText(tables + "deep", "");
    EXPECT_GT(d->layout(400, 300), 0);
}

}  // namespace
}  // namespace qv::html
