// The add-rule dialog by a person's input: the file dialog, the actions it stores, and the ways
// it closes; the rule store is a real file, the machine simulated.
#include "ui/windows/frm_add.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/ui/input.h"
#include "tests/ui/windows/companion_windows_fixture.h"
#include "ui/windows/frm_alert.h"

namespace qv::ui::testing {
namespace {

constexpr const char* kApp = "C:\\Apps\\lantern.exe";

class AddRuleTest : public CompanionWindowsTest {
protected:
    AddRuleTest() {
        main_->Visible(true);
        // The application runs with one connection, which a first pass has seen.
        addApp(300, kApp);
        connect(300, 1050, 9, 443);
        rule(kApp, "2");
        engine::PollConnections(false);
        writeStore(engine::RuleStore(), "RULES", kApp, "");
        prompter_.boxes.clear();  // the main window's load found no options file
    }
    // Opened as the rule list's "Add new to list" opens it.
    frmAdd& opened() {
        frmAdd& add = OneWindow<frmAdd>(*main_);
        add.Show();
        main_->Visible(false);
        return add;
    }
    void chooseFile(frmAdd& add, const std::string& path) {
        prompter_.files.push_back(path);
        click(add.cmdSource);
    }
    bool stillOpen() const { return shown<frmAdd>() != nullptr; }
    // What a stored rule did to the running program since `closedBefore` connections were closed.
    enum class Effect { ConnectionClosed, ProcessEnded, LeftAlone, Asked };
    Effect effect(std::size_t closedBefore) {
        if (!sim.hasProcess(300)) return Effect::ProcessEnded;
        if (sim.deletedConnections().size() > closedBefore) return Effect::ConnectionClosed;
        if (!loaded<frmAlert>().empty()) return Effect::Asked;
        return Effect::LeftAlone;
    }
    static std::vector<std::string> storedKeys() {
        engine::RuleStore().Section("RULES");
        return engine::RuleStore().SectionKeys();
    }
};

TEST_F(AddRuleTest, TheFileDialogFillsTheNameAndACancelKeepsIt) {
    frmAdd& add = opened();
    chooseFile(add, kApp);
    ASSERT_EQ(prompter_.dialogs.size(), 1u);
    EXPECT_EQ(prompter_.dialogs[0].title, " Select file name");
    EXPECT_EQ(prompter_.dialogs[0].filter, "All Files (*.*)|*.*");
    EXPECT_EQ(prompter_.dialogs[0].fileName, "");
    EXPECT_FALSE(prompter_.dialogs[0].save);
    EXPECT_EQ(add.txtAddr.Text(), kApp);

    click(add.cmdSource);  // nothing scripted: the person cancels
    EXPECT_EQ(prompter_.dialogs.size(), 2u);
    EXPECT_EQ(add.txtAddr.Text(), kApp);
}

// Each action stores its rule for the chosen file and closes the dialog with the main window
// shown; Ask, Block and Terminate run a pass at once, so the rule acts on the running program.
TEST_F(AddRuleTest, EachActionIsStoredAndActsAsItShould) {
    struct Case {
        const char* action;
        int listIndex;  // in Combo's list; -1: typed
        const char* value;
        Effect effect;
    };
    const Case cases[] = {
        {"Block", 0, "1", Effect::ConnectionClosed},
        {"Terminate", 1, "3", Effect::ProcessEnded},
        {"Trust", 2, "2", Effect::LeftAlone},
        {"Ask", -1, "0", Effect::Asked},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        frmAdd& add = opened();
        chooseFile(add, kApp);
        if (c.listIndex >= 0) add.Combo.choose(c.listIndex);
        else add.Combo.typeText(c.action);
        EXPECT_EQ(add.Combo.Text(), c.action);
        const std::size_t closedBefore = sim.deletedConnections().size();
        click(add.cmdBlock);
        EXPECT_EQ(storedRule(kApp), c.value);
        EXPECT_FALSE(stillOpen());
        EXPECT_TRUE(main_->Visible());
        EXPECT_EQ(effect(closedBefore), c.effect);
        // The next case starts from the running program again.
        for (frmAlert* alert : loaded<frmAlert>()) forms::Unload(*alert);
        writeStore(engine::RuleStore(), "RULES", kApp, "2");
        if (!sim.hasProcess(300)) addApp(300, kApp);
        if (closed(row(1050, 9, 443))) connect(300, 1050, 9, 443);
        main_->Visible(true);
    }
}

// A rule under an empty name would govern every connection whose program is unknown: without a
// file nothing is stored and the dialog stays for the person to pick one.
TEST_F(AddRuleTest, WithoutAFileNothingIsStored) {
    for (const char* name : {"", "   "}) {
        SCOPED_TRACE(std::string("name '") + name + "'");
        prompter_.boxes.clear();
        frmAdd& add = opened();
        add.txtAddr.Text(name);
        add.Combo.choose(0);
        click(add.cmdBlock);
        ASSERT_EQ(prompter_.boxes.size(), 1u);
        EXPECT_EQ(prompter_.boxes[0].text, "Please choose the program file first.");
        EXPECT_EQ(prompter_.boxes[0].style, forms::vbExclamation);
        EXPECT_EQ(storedKeys(), std::vector<std::string>{kApp});
        EXPECT_TRUE(stillOpen());
        EXPECT_FALSE(main_->Visible());
    }
}

// With no action, or one the dialog does not know, nothing is stored; the dialog still closes
// and the main window shows again. Cancel does the same.
TEST_F(AddRuleTest, NoActionOrCancelStoresNothingAndShowsTheMainWindow) {
    struct Case {
        const char* what;
        const char* typed;
        bool cancel;
    };
    const Case cases[] = {{"no action", "", false}, {"an unknown action", "Allow", false}, {"cancel", "Block", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        frmAdd& add = opened();
        chooseFile(add, "C:\\Apps\\pigeon.exe");
        add.Combo.typeText(c.typed);
        click(c.cancel ? add.isButton1 : add.cmdBlock);
        EXPECT_EQ(storedKeys(), std::vector<std::string>{kApp});
        EXPECT_FALSE(stillOpen());
        EXPECT_TRUE(main_->Visible());
        EXPECT_TRUE(prompter_.boxes.empty());
    }
}

}  // namespace
}  // namespace qv::ui::testing
