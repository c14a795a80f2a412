#include "platform/forms/common/list_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/basic_error.h"
#include "platform/forms/common/image_list.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"

namespace qv::forms {
namespace {

class frmList : public Form {
public:
    frmList() : Form("frmList", "frmList") {
        lvFirewall.ItemClick = [this](ListItem& item) { events.push_back("ItemClick " + item.Key()); };
        lvFirewall.ItemCheck = [this](ListItem& item) {
            events.push_back("ItemCheck " + item.Key() + (item.Checked() ? " on" : " off"));
        };
        lvFirewall.MouseDown = [this](int b, int, float, float) { events.push_back("MouseDown " + std::to_string(b)); };
        lvFirewall.MouseUp = [this](int b, int, float, float) { events.push_back("MouseUp " + std::to_string(b)); };
    }
    ImageList ilListview{*this, "ilListview"};
    ListView lvFirewall{*this, "lvFirewall"};
    std::vector<std::string> events;
};

int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const base::BasicError& e) {
        return e.number();
    }
    return 0;
}

class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        setDesignFolder(QV_FIXTURES "/forms");
        Load(form);
        form.Show();
    }
    void TearDown() override { resetForms(); }
    frmList form;
    ListView& lv = form.lvFirewall;
};

TEST_F(ListViewTest, ItemsRoundTripKeysSubItemsAndTags) {
    EXPECT_EQ(lv.SmallIcons(), &form.ilListview);
    ASSERT_EQ(lv.ColumnHeaders().Count(), 3);
    EXPECT_EQ(lv.ColumnHeaders()(2).Text, "Version");

    auto& a = lv.ListItems().Add(-1, "k/bin/a", "a", 0, 1);
    a.SubItems(1, "1.0");
    a.SubItems(2, "/bin/a");
    a.Tag = "17";
    auto& b = lv.ListItems().Add(1, "k/bin/b", "b");  // before a
    b.SubItems(2, "/bin/b");

    EXPECT_EQ(lv.ListItems().Count(), 2);
    EXPECT_EQ(&lv.ListItems()(1), &b);
    EXPECT_EQ(lv.ListItems()(2).Index(), 2);
    ListItem& byKey = lv.ListItems()("k/bin/a");
    EXPECT_EQ(byKey.Text(), "a");
    EXPECT_EQ(byKey.SubItems(1), "1.0");
    EXPECT_EQ(byKey.SubItems(2), "/bin/a");
    EXPECT_EQ(byKey.Tag, "17");
    EXPECT_EQ(byKey.SmallIcon, 1);
    EXPECT_EQ(b.SubItems(1), "") << "a sub-item never set reads empty";

    // Find by sub-item as the windows do, then change its icon.
    for (int i = 1; i <= lv.ListItems().Count(); ++i)
        if (lv.ListItems()(i).SubItems(2) == "/bin/b") lv.ListItems()(i).SmallIcon = 3;
    EXPECT_EQ(b.SmallIcon, 3);

    lv.ListItems().Remove("k/bin/b");
    EXPECT_EQ(lv.ListItems().Count(), 1);
    EXPECT_EQ(lv.ListItems()(1).Index(), 1) << "indexes close up after a removal";
    lv.ListItems().Clear();
    EXPECT_EQ(lv.ListItems().Count(), 0);
    EXPECT_EQ(lv.ListItems().Add(-1, "k/bin/a").Index(), 1) << "a cleared key can be used again";
}

TEST_F(ListViewTest, CollectionErrors) {
    lv.ListItems().Add(-1, "x", "x");
    struct Case {
        const char* what;
        std::function<void()> op;
        int number;
    };
    const Case cases[] = {
        {"repeated key", [&] { lv.ListItems().Add(-1, "x"); }, 35602},
        {"index past the end", [&] { lv.ListItems().Add(3); }, 35600},
        {"item 0", [&] { lv.ListItems()(0); }, 35600},
        {"missing key", [&] { lv.ListItems()("nope"); }, 35601},
        {"remove missing", [&] { lv.ListItems().Remove(2); }, 35600},
        {"sub-item 0", [&] { lv.ListItems()(1).SubItems(0, "a"); }, 380},
        {"sub-item past columns", [&] { lv.ListItems()(1).SubItems(3, "a"); }, 380},
        {"column 4", [&] { lv.ColumnHeaders()(4); }, 35600},
    };
    for (const Case& c : cases) EXPECT_EQ(errorOf(c.op), c.number) << c.what;
    EXPECT_EQ(lv.ListItems().Count(), 1) << "failed operations change nothing";
}

TEST_F(ListViewTest, ClicksSelectCheckAndRaiseItemClick) {
    lv.ListItems().Add(-1, "a", "a");
    lv.ListItems().Add(-1, "b", "b");
    // Row 2 in pixels: header, 2 px border, one row down; x past the check box.
    const int rowB = ListView::kHeaderPixels + 2 + ListView::kRowPixels + 4;
    form.injectClick(60, rowB);
    EXPECT_EQ(form.events, (std::vector<std::string>{"MouseDown 1", "ItemClick b", "MouseUp 1"}));
    EXPECT_EQ(lv.SelectedItem(), &lv.ListItems()("b"));
    EXPECT_FALSE(lv.ListItems()("b").Checked());

    form.events.clear();
    form.injectClick(5, rowB);  // on the check box
    EXPECT_TRUE(lv.ListItems()("b").Checked());
    EXPECT_EQ(form.events.front(), "ItemCheck b on");

    form.events.clear();
    form.injectMouseDown(kRightButton, 0, 60, ListView::kHeaderPixels + 4);
    form.injectMouseUp(kRightButton, 0, 60, ListView::kHeaderPixels + 4);
    EXPECT_EQ(lv.SelectedItem(), &lv.ListItems()("a")) << "a right click selects too";
    EXPECT_EQ(form.events, (std::vector<std::string>{"MouseDown 2", "MouseUp 2"}));

    lv.ListItems()("b").Selected(true);
    EXPECT_FALSE(lv.ListItems()("a").Selected()) << "one selection without MultiSelect";
    form.events.clear();
    form.injectClick(60, 150);  // below the last row
    EXPECT_EQ(form.events, (std::vector<std::string>{"MouseDown 1", "MouseUp 1"}));
}

}  // namespace
}  // namespace qv::forms
