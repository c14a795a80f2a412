// Forms: loading from a design, events in order, default and new instances, Unload inside a
// handler, timers on a fake clock, control arrays.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/basic_error.h"
#include "platform/base/clock.h"
#include "platform/forms/control_array.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/timer.h"

namespace qv::forms {
namespace {

std::vector<std::string> journal;

class frmLife : public Form {
public:
    frmLife() : Form("frmLife", "frmLife") {
        Check1.Click = [this] {
            journal.push_back("Check1_Click " + std::to_string(Check1.Value()));
            if (unloadOnClick) {
                Unload(*this);
                // The handler goes on after asking for the unload; the object must still be here.
                journal.push_back("after Unload " + std::string(loaded() ? "loaded" : "unloaded"));
            }
        };
        chkAct.on(&CheckBox::Click, [](int i) { journal.push_back("chkAct_Click " + std::to_string(i)); });
        Timer1.Tick = [this] { journal.push_back("Timer1 " + std::to_string(base::GetTickCount() - start)); };
        Timer2.Tick = [] { journal.push_back("Timer2"); };
    }
    ~frmLife() override { journal.push_back("destroyed"); }

    void Form_Initialize() override { journal.push_back("Initialize"); }
    void Form_Load() override {
        start = base::GetTickCount();
        journal.push_back("Load " + Caption() + " " + std::to_string(chkAct(0).Value()));
    }
    void Form_Activate() override { journal.push_back("Activate"); }
    void Form_QueryUnload(int& cancel, int mode) override {
        journal.push_back("QueryUnload " + std::to_string(mode));
        cancel = cancelQuery ? 1 : 0;
    }
    void Form_Unload(int& cancel) override {
        journal.push_back("Unload");
        cancel = cancelUnload ? 1 : 0;
    }
    void Form_Terminate() override { journal.push_back("Terminate"); }

    CheckBox Check1{*this, "Check1"};
    ControlArray<CheckBox> chkAct{*this, "chkAct"};
    Timer Timer1{*this, "Timer1"};
    Timer Timer2{*this, "Timer2"};
    bool unloadOnClick = false;
    bool cancelQuery = false;
    bool cancelUnload = false;
    int64_t start = 0;
};

class FormsLife : public ::testing::Test {
protected:
    void SetUp() override {
        journal.clear();
        setDesignFolder(QV_FIXTURES "/forms");
    }
    void TearDown() override { resetForms(); }
    base::FakeClock clock;
    base::ScopedClock scoped{clock};
};

TEST_F(FormsLife, DefaultInstanceLoadsOnFirstUseWithDesignValues) {
    EXPECT_FALSE(IsLoaded<frmLife>());
    EXPECT_FALSE(IsVisible<frmLife>());
    EXPECT_TRUE(journal.empty()) << "asking must not make the form";

    frmLife& f = Default<frmLife>();
    EXPECT_EQ(journal, (std::vector<std::string>{"Initialize", "Load Life 1"}));
    EXPECT_TRUE(IsLoaded<frmLife>());
    EXPECT_FALSE(IsVisible<frmLife>());
    EXPECT_EQ(&Default<frmLife>(), &f);
    EXPECT_EQ(f.Check1.Caption(), "Allow all for connection");
    EXPECT_EQ(f.Check1.Left(), 120);
    EXPECT_EQ(f.chkAct.Count(), 2);
    EXPECT_EQ(f.chkAct(1).Caption(), "Active filter Remote Port");
    EXPECT_THROW(f.chkAct(5), base::BasicError);

    f.Show();
    EXPECT_TRUE(IsVisible<frmLife>());
    f.Show();  // already shown: no second Activate
    f.Hide();
    EXPECT_FALSE(IsVisible<frmLife>());
    EXPECT_EQ(journal.back(), "Activate");
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "Activate"), 1);
}

TEST_F(FormsLife, CheckBoxClickFiresOnEveryChangeOfValueOnly) {
    frmLife& f = Default<frmLife>();
    journal.clear();
    f.Check1.Value(1);
    f.Check1.Value(1);  // unchanged: no Click
    f.Check1.Value(2);
    f.Check1.Value(0);
    EXPECT_EQ(journal, (std::vector<std::string>{"Check1_Click 1", "Check1_Click 2", "Check1_Click 0"}));
    EXPECT_THROW(f.Check1.Value(3), base::BasicError);

    journal.clear();
    f.Show();
    f.clickControl(f.Check1);  // 0 -> 1
    f.Check1.Value(2);
    f.clickControl(f.Check1);  // grayed -> 1
    f.clickControl(f.Check1);  // 1 -> 0
    f.clickControl(f.chkAct(0));
    EXPECT_EQ(journal, (std::vector<std::string>{"Activate", "Check1_Click 1", "Check1_Click 2", "Check1_Click 1",
                                                 "Check1_Click 0", "chkAct_Click 0"}));
    EXPECT_EQ(f.chkAct(0).Value(), 0);
}

TEST_F(FormsLife, UnloadFromInsideAHandlerReleasesAfterItReturns) {
    frmLife& f = Default<frmLife>();
    f.Show();
    f.unloadOnClick = true;
    journal.clear();
    f.clickControl(f.Check1);
    EXPECT_EQ(journal, (std::vector<std::string>{"Check1_Click 1", "QueryUnload 1", "Unload", "after Unload unloaded"}));
    EXPECT_FALSE(IsLoaded<frmLife>());
    journal.clear();
    DoEvents();  // the loop's next pass releases the object
    EXPECT_EQ(journal, (std::vector<std::string>{"Terminate", "destroyed"}));
    EXPECT_FALSE(IsVisible<frmLife>());
    EXPECT_FALSE(IsLoaded<frmLife>());
    EXPECT_EQ(journal.size(), 2u) << "asking after the unload makes no new instance";

    // The next use is a fresh instance with its designer values.
    frmLife& again = Default<frmLife>();
    EXPECT_EQ(again.Check1.Value(), 0);
    EXPECT_FALSE(again.Visible());
}

TEST_F(FormsLife, QueryUnloadAndUnloadCanCancel) {
    frmLife& f = Default<frmLife>();
    f.cancelQuery = true;
    EXPECT_FALSE(Unload(f));
    EXPECT_TRUE(f.loaded());
    f.cancelQuery = false;
    f.cancelUnload = true;
    f.Show();
    f.closeByUser();
    EXPECT_TRUE(f.loaded());
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(journal.back(), "Unload");
    EXPECT_NE(std::find(journal.begin(), journal.end(), "QueryUnload 0"), journal.end());
    f.cancelUnload = false;
    EXPECT_TRUE(Unload(f));
    EXPECT_FALSE(Unload(f)) << "a second Unload of an unloaded form does nothing";
}

TEST_F(FormsLife, NewInstancesAreSeparateFromTheDefault) {
    frmLife& a = New<frmLife>();
    frmLife& b = New<frmLife>();
    EXPECT_NE(&a, &b);
    EXPECT_FALSE(IsLoaded<frmLife>()) << "new instances are not the default one";
    a.Tag("1,2,/bin/app");
    EXPECT_EQ(b.Tag(), "");
    EXPECT_EQ(LoadedForms().size(), 2u);
    Unload(a);
    DoEvents();
    EXPECT_EQ(LoadedForms().size(), 1u);
    EXPECT_EQ(b.Caption(), "Life");
}

TEST_F(FormsLife, TimersFireInTimeOrderOnTheFakeClockAndStopOnUnload) {
    frmLife& f = Default<frmLife>();
    journal.clear();
    advance(650);
    EXPECT_EQ(journal, (std::vector<std::string>{"Timer1 200", "Timer1 400", "Timer1 600"}))
        << "interval 0 never fires";
    journal.clear();
    f.Timer1.Enabled(false);
    advance(400);
    EXPECT_TRUE(journal.empty());
    f.Timer1.Enabled(true);  // counts again from now
    advance(199);
    EXPECT_TRUE(journal.empty());
    advance(1);
    EXPECT_EQ(journal, (std::vector<std::string>{"Timer1 1250"}));
    Unload(f);
    journal.clear();
    advance(1000);
    EXPECT_EQ(journal, (std::vector<std::string>{"Terminate", "destroyed"}));
}

TEST_F(FormsLife, EndStopsEverythingWithoutEvents) {
    frmLife& f = Default<frmLife>();
    f.Check1.Click = [] { End(); };
    journal.clear();
    f.Check1.Value(1);
    EXPECT_TRUE(ended());
    DoEvents();
    EXPECT_EQ(journal, (std::vector<std::string>{"destroyed"}));
    EXPECT_FALSE(IsLoaded<frmLife>());
}

TEST_F(FormsLife, ADesignNamingAnUnknownControlOrPropertyFailsTheLoad) {
    setDesignFolder(QV_FIXTURES "/forms/bad");
    for (const char* name : {"unknown_control", "unknown_property", "wrong_kind"}) {
        class Bad : public Form {
        public:
            explicit Bad(const char* d) : Form("frmLife", d) {}
            CheckBox Check1{*this, "Check1"};
        } bad(name);
        EXPECT_THROW(Load(bad), DesignError) << name;
        EXPECT_FALSE(bad.loaded());
    }
}

}  // namespace
}  // namespace qv::forms
