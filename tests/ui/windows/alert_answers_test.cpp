// The connection alert answered as a person answers it with the pointer: the security action
// picked from its list, "Do not ask me again" clicked or not, then Allow, Block or the close area
// pressed. Each
// case checks what is stored, whether the application's process goes on or ends, how many passes
// the answer forces, whether the alert's connection is closed and the rule's picture in the main
// window's application list.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "tests/ui/input.h"
#include "tests/ui/windows/windows_fixture.h"
#include "ui/windows/frm_alert.h"

namespace qv::ui::testing {
namespace {

enum class Answer { Allow, Block, Close };

struct AnswerCase {
    const char* combo;  // the action chosen; "" for none
    Answer answer;
    bool remember;      // "Do not ask me again for this applications" clicked
    const char* stored;  // the application's rule afterwards; "-" for none
    bool asked;         // "Please choose security action!" came, and the alert stays as it was
    bool open;          // the alert is still loaded (hidden after Allow), else closed and released
    bool suspended;     // the process is still held
    bool terminated;
    int passes;         // full passes the answer forced
    bool closed;        // the alert's connection was closed
    int icon;           // the application's small icon in the list; -1: no longer listed
};

std::string nameOf(const ::testing::TestParamInfo<AnswerCase>& info) {
    const AnswerCase& c = info.param;
    const char* answers[] = {"Allow", "Block", "Close"};
    return std::string(answers[int(c.answer)]) + "_" + (*c.combo ? c.combo : "NoAction") +
           (c.remember ? "_Remembered" : "");
}

class AlertAnswers : public WindowsTest, public ::testing::WithParamInterface<AnswerCase> {
protected:
    static constexpr uint32_t kPid = 1000;
    static constexpr uint16_t kPort = 2000;
    const std::string app_ = "C:\\Apps\\app.exe";

    AlertAnswers() {
        // At High security with a port off the trojan list the main window stays shown, so every
        // pass lists the applications.
        main_->Slider3.Value(3);
        main_->Show();
        // A trusted application's connection stays through every pass: each full pass logs it once.
        addApp(200, "C:\\Apps\\trusted.exe");
        writeStore(engine::RuleStore(), "RULES", "C:\\Apps\\trusted.exe", "2");
        connect(200, 999, 2, 443);
    }
    int fullPasses() const {
        const auto lines = logLines("traffic");
        return static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
            return l.find("C:\\Apps\\trusted.exe sent traffic to 10.0.0.2") != std::string::npos;
        }));
    }
    int listedIcon() const {
        const forms::ListItemList& items = main_->lvFirewall.ListItems();
        for (int i = 1; i <= items.Count(); ++i)
            if (items(i).SubItems(2) == app_) return items(i).SmallIcon;
        return -1;
    }
};

TEST_P(AlertAnswers, AreStoredAndCarriedOut) {
    const AnswerCase& c = GetParam();
    frmAlert* alert = askAbout(app_, kPid, kPort, 80);
    ASSERT_NE(alert, nullptr);
    ASSERT_TRUE(sim.isSuspended(kPid));
    ASSERT_EQ(listedIcon(), 0);
    if (*c.combo) chooseItem(alert->Combo, c.combo);
    if (c.remember) click(alert->Check1);
    const int passesBefore = fullPasses();
    const std::size_t boxesBefore = prompter_.boxes.size();
    const std::weak_ptr<const int> life = alert->lifetime();

    forms::Control& target = c.answer == Answer::Allow   ? static_cast<forms::Control&>(alert->isButton1)
                             : c.answer == Answer::Block ? static_cast<forms::Control&>(alert->isButton2)
                                                         : alert->Label1;
    click(target);

    EXPECT_EQ(readStore(engine::RuleStore(), "RULES", app_), c.stored);
    ASSERT_EQ(prompter_.boxes.size() - boxesBefore, c.asked ? 1u : 0u);
    if (c.asked) {
        EXPECT_EQ(prompter_.boxes.back().text, "Please choose security action!");
        EXPECT_EQ(prompter_.boxes.back().style, 64);
    }
    EXPECT_EQ(!life.expired(), c.open);
    if (c.open && !life.expired()) {
        EXPECT_TRUE(alert->loaded());
        EXPECT_EQ(alert->Visible(), c.asked);
        EXPECT_EQ(ws_.isVisible(alert->hWnd()), c.asked);
    }
    EXPECT_EQ(sim.isSuspended(kPid), c.suspended);
    EXPECT_EQ(!sim.terminated().empty() && sim.terminated().back().processId == kPid, c.terminated);
    EXPECT_EQ(fullPasses() - passesBefore, c.passes);
    EXPECT_EQ(closed(row(kPort, 9, 80)), c.closed);
    EXPECT_EQ(listedIcon(), c.icon);
    EXPECT_TRUE(sim.hasProcess(200)) << "no other process is touched";
    EXPECT_FALSE(closed(row(999, 2, 443))) << "no other connection is touched";
}

// Block, Terminate and Trust are the actions the list offers. Without one, Allow and Block ask
// for it and change nothing. Allow resumes the process and stores Trust only when remembered;
// Block closes the alert's connection and closes the alert, whose close step then stores the
// chosen action (over what Block remembered), forcing a pass after Block; the close area closes
// the alert alone.
const AnswerCase kAnswers[] = {
    {"", Answer::Allow, false, "-", true, true, true, false, 0, false, 0},
    {"", Answer::Allow, true, "-", true, true, true, false, 0, false, 0},
    {"Block", Answer::Allow, false, "-", false, true, false, false, 0, false, 0},
    {"Block", Answer::Allow, true, "2", false, true, false, false, 0, false, 3},
    {"Terminate", Answer::Allow, false, "-", false, true, false, false, 0, false, 0},
    {"Terminate", Answer::Allow, true, "2", false, true, false, false, 0, false, 3},
    {"Trust", Answer::Allow, false, "-", false, true, false, false, 0, false, 0},
    {"Trust", Answer::Allow, true, "2", false, true, false, false, 0, false, 3},

    {"", Answer::Block, false, "-", true, true, true, false, 0, false, 0},
    {"", Answer::Block, true, "-", true, true, true, false, 0, false, 0},
    // The forced pass finds the application without a connection: it is no longer listed.
    {"Block", Answer::Block, false, "1", false, false, false, false, 1, true, -1},
    {"Block", Answer::Block, true, "1", false, false, false, false, 1, true, -1},
    {"Terminate", Answer::Block, false, "3", false, false, false, true, 0, true, 0},
    {"Terminate", Answer::Block, true, "3", false, false, false, true, 0, true, 2},
    {"Trust", Answer::Block, false, "2", false, false, false, false, 0, true, 0},
    {"Trust", Answer::Block, true, "2", false, false, false, false, 0, true, 2},

    {"", Answer::Close, false, "-", false, false, false, false, 0, false, 0},
    {"", Answer::Close, true, "-", false, false, false, false, 0, false, 0},
    // The forced pass enforces the new Block rule on the connection.
    {"Block", Answer::Close, false, "1", false, false, false, false, 1, true, 0},
    {"Block", Answer::Close, true, "1", false, false, false, false, 1, true, 0},
    {"Terminate", Answer::Close, false, "3", false, false, false, true, 0, false, 0},
    {"Terminate", Answer::Close, true, "3", false, false, false, true, 0, false, 0},
    {"Trust", Answer::Close, false, "2", false, false, false, false, 0, false, 0},
    {"Trust", Answer::Close, true, "2", false, false, false, false, 0, false, 0},
};

INSTANTIATE_TEST_SUITE_P(EveryActionAndButton, AlertAnswers, ::testing::ValuesIn(kAnswers), nameOf);

class AnsweredAlert : public WindowsTest {
protected:
    AnsweredAlert() {
        main_->Slider3.Value(3);
        main_->Show();
    }
};

TEST_F(AnsweredAlert, AllowedInItsFirstThreeSecondsItNeverShowsAgain) {
    frmAlert* alert = askAbout("C:\\Apps\\web.exe", 300, 1050, 80);
    ASSERT_NE(alert, nullptr);
    chooseItem(alert->Combo, "Trust");
    forms::advance(1000);
    click(alert->isButton1);
    EXPECT_FALSE(alert->Visible());
    for (int ms = 0; ms < 10000; ms += 100) {
        forms::advance(100);
        ASSERT_FALSE(alert->Visible()) << ms;
        ASSERT_FALSE(ws_.isVisible(alert->hWnd())) << ms;
    }
    EXPECT_FALSE(alert->Timer1.Enabled()) << "the hiding timer ran once";
    EXPECT_TRUE(alert->loaded()) << "an allowed alert stays loaded";
}

TEST_F(AnsweredAlert, TheProcessIsResumedOnceHoweverTheAlertEnds) {
    frmAlert* alert = askAbout("C:\\Apps\\web.exe", 300, 1050, 80);
    ASSERT_NE(alert, nullptr);
    // Held once more by another hand: one resume of the alert leaves it held by that one.
    sim.suspendThread(301);
    ASSERT_EQ(sim.suspendCount(301), 2);
    chooseItem(alert->Combo, "Trust");
    click(alert->isButton1);
    EXPECT_EQ(sim.suspendCount(301), 1);
    forms::advance(5000);
    // Closing the allowed alert later runs its close step, which resumes no more.
    forms::Unload(*alert);
    EXPECT_EQ(sim.suspendCount(301), 1);
    EXPECT_EQ(readStore(engine::RuleStore(), "RULES", "C:\\Apps\\web.exe"), "2");
}

TEST_F(AnsweredAlert, RememberedAnswersKeepAPathWithCommasWhole) {
    const std::string app = "C:\\Apps\\a,b\\web,now.exe";
    frmAlert* alert = askAbout(app, 300, 1050, 80);
    ASSERT_NE(alert, nullptr);
    chooseItem(alert->Combo, "Block");
    click(alert->Check1);
    click(alert->isButton1);
    EXPECT_EQ(readStore(engine::RuleStore(), "RULES", app), "2");
    EXPECT_FALSE(sim.isSuspended(300));
    const forms::ListItemList& items = main_->lvFirewall.ListItems();
    ASSERT_EQ(items.Count(), 1);
    EXPECT_EQ(items(1).SubItems(2), app);
    EXPECT_EQ(items(1).SmallIcon, 3);
}

// Block closes the alert's own connection, which passes since the alert opened may have moved to
// another index of the table, or ended: then nothing is closed, not even the connection of the
// same application that now stands at the alert's index.
TEST_F(AnsweredAlert, BlockClosesOnlyTheAlertsOwnConnection) {
    struct Case {
        const char* name;
        bool ended;  // the alert's connection is gone from the table
        bool closed;
    } cases[] = {
        {"moved to another index", false, true},
        {"ended", true, false},
    };
    uint16_t port = 1050;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const uint32_t pid = port;
        const std::string app = "C:\\Apps\\web" + std::to_string(port) + ".exe";
        frmAlert* alert = askAbout(app, pid, port, 80);
        ASSERT_NE(alert, nullptr);
        // A second connection of the same application comes first in the next pass's table.
        const uint16_t other = static_cast<uint16_t>(port + 100);
        sim.removeConnection(row(port, 9, 80));
        connect(pid, other, 9, 443);
        if (!c.ended) connect(pid, port, 9, 80);
        engine::PollConnections(true);
        ASSERT_EQ(engine::Connections().at(engine::SplitAlertTag(alert->Tag()).index)->LocalPort,
                  std::to_string(other));

        chooseItem(alert->Combo, "Trust");
        const std::weak_ptr<const int> life = alert->lifetime();
        click(alert->isButton2);

        EXPECT_EQ(closed(row(port, 9, 80)), c.closed);
        EXPECT_FALSE(closed(row(other, 9, 443))) << "the connection at the alert's index is not the alert's";
        EXPECT_TRUE(life.expired()) << "closed and released";
        EXPECT_FALSE(sim.isSuspended(pid));
        forms::DoEvents();
        ++port;
    }
}

}  // namespace
}  // namespace qv::ui::testing
