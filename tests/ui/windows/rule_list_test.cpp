// The rule list by a person's input: what it lists from the rule store, its rule menu, its close
// button and its drag; the rule store is a real file, the machine simulated.
#include "ui/windows/frm_applications.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/input.h"
#include "tests/ui/windows/companion_windows_fixture.h"
#include "ui/windows/frm_add.h"

namespace qv::ui::testing {
namespace {

class RuleListTest : public CompanionWindowsTest {
protected:
    frmApplications& opened() {
        companions().showRuleList();
        frmApplications* list = shown<frmApplications>();
        EXPECT_NE(list, nullptr);
        return *list;
    }
    // What a row shows: name, version, access and path.
    static std::vector<std::string> shows(const frmApplications& list, int index) {
        const forms::ListItem& item = list.lvApplications.ListItems()(index);
        return {item.Text(), item.SubItems(1), item.SubItems(2), item.SubItems(3)};
    }
    // A click on the row, answering its menu with the entry named.
    void choose(frmApplications& list, int index, const std::string& entry) {
        PopupAnswers popups;
        popups.choose = entry;
        clickItem(list.lvApplications, index);
        EXPECT_EQ(popups.opened, std::vector<std::string>{"mnuModify"});
    }
};

TEST_F(RuleListTest, EveryRuleWithAValueIsListedWithItsAccessAndIcon) {
    struct Case {
        const char* path;
        const char* value;
        const char* access;
        int icon;  // 0: not listed
    };
    const Case cases[] = {
        {"C:\\Apps\\lantern.exe", "2", "Trust", 5},  {"C:\\Apps\\pigeon.exe", "0", "Ask", 5},
        {"C:\\Apps\\palaver.exe", "1", "Block", 4},  {"C:\\Apps\\tidesync.exe", "3", "", 4},
        {"C:\\Apps\\removed.exe", "", "", 0},        {"C:\\Apps\\odd.exe", "7", "", 4},
        {"/usr/bin/ssh", "2", "Trust", 5},
    };
    for (const Case& c : cases) rule(c.path, c.value);
    program("C:\\Apps\\lantern.exe", "4.2.1.0");

    frmApplications& list = opened();
    int index = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        if (c.icon == 0) continue;
        ++index;
        ASSERT_LE(index, list.lvApplications.ListItems().Count());
        const std::string version = index == 1 ? "4.2.1.0" : "";
        EXPECT_EQ(shows(list, index), (std::vector<std::string>{base::fileNameOf(c.path), version, c.access, c.path}));
        EXPECT_EQ(list.lvApplications.ListItems()(index).SmallIcon, c.icon);
    }
    EXPECT_EQ(list.lvApplications.ListItems().Count(), index) << "the rule with an empty value is not listed";
    EXPECT_EQ(list.isButton1.Caption(), "");
}

// One section read holds 254 characters of names; the list shows every rule whatever the
// length of their names, each path whole.
TEST_F(RuleListTest, RulesBeyondOneSectionReadAreListedWhole) {
    std::vector<std::string> paths;
    for (int i = 0; i < 40; ++i) {
        const std::string n = std::to_string(i);
        paths.push_back("C:\\Program Files\\Vendor " + n + "\\Tools\\program" + n + ".exe");
        rule(paths.back(), "2");
    }
    frmApplications& list = opened();
    ASSERT_EQ(list.lvApplications.ListItems().Count(), 40);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(shows(list, i + 1)[3], paths[static_cast<std::size_t>(i)]);
}

TEST_F(RuleListTest, TheMenuWritesTheRuleAndShowsItsAccessButKeepsTheIcon) {
    struct Case {
        const char* entry;
        const char* value;
        const char* access;
    };
    const Case cases[] = {
        {"mnuModifyAsk", "0", "Ask"}, {"mnuModifyBlock", "1", "Block"}, {"mnuModifyTrust", "2", "Trust"}};
    rule("C:\\Apps\\lantern.exe", "2");
    rule("C:\\Apps\\tidesync.exe", "3");
    frmApplications& list = opened();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        choose(list, 2, c.entry);
        EXPECT_EQ(storedRule("C:\\Apps\\tidesync.exe"), c.value);
        EXPECT_EQ(shows(list, 2)[2], c.access);
        EXPECT_EQ(list.lvApplications.ListItems()(2).SmallIcon, frmApplications::kIconHeld);
        EXPECT_EQ(storedRule("C:\\Apps\\lantern.exe"), "2") << "only the clicked row's rule";
    }
    EXPECT_EQ(list.mnuModifyTrust.Caption(), "Always allow tidesync.exe");
    EXPECT_EQ(list.mnuModifyBlock.Caption(), "Always block tidesync.exe");
    EXPECT_EQ(list.mnuModifyAsk.Caption(), "Ask for tidesync.exe");
    EXPECT_EQ(list.mnuModifyDelete.Caption(), "Remove tidesync.exe from this list.");
}

TEST_F(RuleListTest, DeleteLeavesTheKeyEmptyAndRemovesTheRow) {
    rule("C:\\Apps\\lantern.exe", "2");
    rule("C:\\Apps\\pigeon.exe", "1");
    frmApplications& list = opened();
    choose(list, 1, "mnuModifyDelete");
    EXPECT_EQ(storedRule("C:\\Apps\\lantern.exe"), "") << "the key stays, empty";
    ASSERT_EQ(list.lvApplications.ListItems().Count(), 1);
    EXPECT_EQ(shows(list, 1)[3], "C:\\Apps\\pigeon.exe");

    // Closed and opened again, the emptied rule stays out of the list.
    click(list.PictureButton1);
    EXPECT_EQ(LoadedWindow<frmApplications>(), nullptr);
    EXPECT_EQ(opened().lvApplications.ListItems().Count(), 1);
}

// A rule changed in the list acts at once: closing the window runs a pass although the machine's
// connections did not change.
TEST_F(RuleListTest, ClosingRunsAForcedPass) {
    addApp(300, "C:\\Apps\\lantern.exe");
    connect(300, 1050, 9, 443);
    rule("C:\\Apps\\lantern.exe", "2");
    engine::PollConnections(false);
    ASSERT_FALSE(closed(row(1050, 9, 443)));

    frmApplications& list = opened();
    choose(list, 1, "mnuModifyBlock");
    engine::PollConnections(false);
    EXPECT_FALSE(closed(row(1050, 9, 443))) << "an unforced pass waits for the table to change";
    click(list.PictureButton1);
    EXPECT_EQ(LoadedWindow<frmApplications>(), nullptr);
    EXPECT_TRUE(closed(row(1050, 9, 443)));
}

TEST_F(RuleListTest, AddNewToListOpensTheDialogAndHidesTheMainWindow) {
    main_->Visible(true);
    rule("C:\\Apps\\lantern.exe", "2");
    frmApplications& list = opened();
    choose(list, 1, "atl");
    EXPECT_NE(shown<frmAdd>(), nullptr);
    EXPECT_FALSE(main_->Visible());
    EXPECT_TRUE(list.Visible());
}

}  // namespace
}  // namespace qv::ui::testing
