// A small form with one control of each kind, loaded from its design and driven by injected
// input and a fake clock: progress bar, slider, tab control, rich-text box, web browser, file
// dialog, animation and a user control of our own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/basic_error.h"
#include "platform/base/clock.h"
#include "platform/forms/common/animation.h"
#include "platform/forms/common/common_dialog.h"
#include "platform/forms/common/progress_bar.h"
#include "platform/forms/common/rich_text_box.h"
#include "platform/forms/common/slider.h"
#include "platform/forms/common/web_browser.h"
#include "platform/forms/common/xtab.h"
#include "platform/forms/hosting/user_control.h"
#include "platform/forms/instances.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/timer.h"
#include "platform/forms/msgbox.h"

namespace qv::forms {
namespace {

constexpr const char* kPages = QV_FIXTURES "/forms/pages";

class ucGauge : public UserControl {
public:
    ucGauge(Form& host, std::string name, int index = -1) : UserControl(host, std::move(name), index) {}
    std::string_view kind() const override { return "ucGauge"; }
    int Value() const { return value_; }
    void Value(int v) {
        value_ = v;
        lblValue.Caption(std::to_string(v));
        PropertyChanged("Value");
    }
    Label lblValue{inside(), "lblValue"};

protected:
    void UserControl_InitProperties() override { Value(0); }
    void UserControl_ReadProperties(PropertyBag& bag) override { Value(bag.ReadProperty("Value", 0)); }
    void UserControl_WriteProperties(PropertyBag& bag) override { bag.WriteProperty("Value", value_, 0); }
    void UserControl_Resize() override { lblValue.Move(0, 0, Width(), Height()); }

private:
    int value_ = -1;
};

class frmKinds : public Form {
public:
    frmKinds() : Form("frmKinds", "frmKinds") {
        Timer1.Tick = [this] {
            pB.Value(pB.Value() + 1);
            if (pB.Value() == 101) Timer1.Enabled(false);
        };
        Slider3.Change = [this] { log.push_back("Slider3_Change " + std::to_string(Slider3.Value())); };
        Slider3.Scroll = [this] { log.push_back("Slider3_Scroll"); };
        XTab1.TabSwitch = [this](int last) { log.push_back("TabSwitch " + std::to_string(last)); };
        txtConView.Change = [this] { ++consoleChanges; };
        WebBrowser1.NavigateComplete2 = [this](const std::string& url) { log.push_back("Complete " + url); };
        WebBrowser1.NavigateError = [this](const std::string& url) { log.push_back("Error " + url); };
    }
    XTab XTab1{*this, "XTab1"};
    CheckBox Check1{*this, "Check1"};
    Slider Slider3{*this, "Slider3"};
    ProgressBar pB{*this, "pB"};
    Timer Timer1{*this, "Timer1"};
    RichTextBox txtConView{*this, "txtConView"};
    WebBrowser WebBrowser1{*this, "WebBrowser1"};
    CommonDialog CommonDialog1{*this, "CommonDialog1"};
    Animation aniNET{*this, "aniNET"};
    ucGauge ucGauge1{*this, "ucGauge1"};
    std::vector<std::string> log;
    int consoleChanges = 0;
};

class CommonControls : public ::testing::Test {
protected:
    void SetUp() override {
        setDesignFolder(QV_FIXTURES "/forms");
        setPrompter(&script);
    }
    void TearDown() override {
        resetForms();
        setPrompter(nullptr);
    }
    frmKinds& shown() {
        frmKinds& f = Default<frmKinds>();
        f.Show();
        return f;
    }
    // The centre of a control in pixels of the form's client area.
    static std::pair<int, int> centre(const Control& c) {
        return {twipsToPixels(c.formLeft() + c.Width() / 2), twipsToPixels(c.formTop() + c.Height() / 2)};
    }
    base::FakeClock clock;
    base::ScopedClock scoped{clock};
    ScriptedPrompter script;
};

TEST_F(CommonControls, TheDesignPlacesEveryKindAndATimerDrivesTheProgressBar) {
    frmKinds& f = shown();
    EXPECT_EQ(f.XTab1.TabCount(), 3);
    EXPECT_EQ(f.XTab1.TabCaption(2), "Logging");
    EXPECT_EQ(f.Slider3.Orientation(), 1);
    EXPECT_EQ(f.Slider3.Value(), 2);
    EXPECT_TRUE(f.log.empty()) << "designer values raise no events";
    EXPECT_EQ(f.pB.Max(), 101);
    EXPECT_EQ(f.txtConView.Text(), "<<< ready >>>");
    EXPECT_TRUE(f.CommonDialog1.CancelError());
    EXPECT_TRUE(f.aniNET.Center());
    EXPECT_EQ(f.ucGauge1.Value(), 42);
    EXPECT_EQ(f.ucGauge1.lblValue.Caption(), "42");

    advance(101 * 10);
    EXPECT_EQ(f.pB.Value(), 10);
    advance(101 * 200);
    EXPECT_EQ(f.pB.Value(), 101) << "the handler stops the timer at the end";
    EXPECT_DOUBLE_EQ(f.pB.fraction(), 1.0);
}

TEST_F(CommonControls, ProgressBarKeepsValueInsideItsRange) {
    frmKinds& f = shown();
    f.pB.Value(50);
    EXPECT_THROW(f.pB.Value(102), base::BasicError);
    EXPECT_THROW(f.pB.Value(-1), base::BasicError);
    EXPECT_THROW(f.pB.Min(101), base::BasicError) << "Min must stay below Max";
    EXPECT_EQ(f.pB.Value(), 50) << "a refused value changes nothing";
    f.pB.Max(10);
    EXPECT_EQ(f.pB.Value(), 10) << "a smaller range takes the value along";
}

TEST_F(CommonControls, TheTabControlShowsTheControlsOfItsCurrentTabAndSwitchesOnAClick) {
    frmKinds& f = shown();
    EXPECT_TRUE(f.Check1.shownOnForm());
    EXPECT_FALSE(f.Slider3.shownOnForm());
    // Click the header of "Settings".
    XTab::HeaderRect r = f.XTab1.headerRect(1);
    const int x = twipsToPixels(f.XTab1.formLeft()) + (r.left + r.right) / 2;
    const int y = twipsToPixels(f.XTab1.formTop()) + r.bottom / 2;
    f.injectClick(x, y);
    EXPECT_EQ(f.XTab1.CurrTab(), 1);
    EXPECT_EQ(f.log, (std::vector<std::string>{"TabSwitch 0"}));
    EXPECT_FALSE(f.Check1.shownOnForm());
    EXPECT_TRUE(f.Slider3.shownOnForm());
    auto [sx, sy] = centre(f.Slider3);
    EXPECT_EQ(f.controlAt(sx, sy), &f.Slider3);

    f.XTab1.TabEnabled(2, false);
    r = f.XTab1.headerRect(2);
    f.injectClick(twipsToPixels(f.XTab1.formLeft()) + (r.left + r.right) / 2, y);
    EXPECT_EQ(f.XTab1.CurrTab(), 1) << "a disabled tab does not take the click";
    f.XTab1.CurrTab(1);
    EXPECT_EQ(f.log.size(), 1u) << "the current tab again raises nothing";
    EXPECT_THROW(f.XTab1.CurrTab(3), base::BasicError);
}

TEST_F(CommonControls, TheVerticalSliderMovesByClicksDragsKeysAndCode) {
    frmKinds& f = shown();
    f.XTab1.CurrTab(1);
    f.log.clear();
    Slider& s = f.Slider3;
    const int left = twipsToPixels(s.formLeft()) + 15, top = twipsToPixels(s.formTop());
    // Below the thumb: one LargeChange down (towards Max, at the bottom).
    f.injectClick(left, top + s.trackEnd());
    EXPECT_EQ(s.Value(), 3);
    // Drag the thumb from the bottom to the top.
    f.injectMouseDown(kLeftButton, 0, left, top + s.thumbCentre());
    f.injectMouseMove(kLeftButton, 0, left, top + s.trackStart());
    f.injectMouseUp(kLeftButton, 0, left, top + s.trackStart());
    EXPECT_EQ(s.Value(), 1);
    EXPECT_FALSE(s.dragging());
    // Moving with the right button does not drag.
    f.injectMouseDown(kRightButton, 0, left, top + s.thumbCentre());
    f.injectMouseMove(kRightButton, 0, left, top + s.trackEnd());
    f.injectMouseUp(kRightButton, 0, left, top + s.trackEnd());
    EXPECT_EQ(s.Value(), 1);

    s.keyDown(40);  // down arrow
    s.keyDown(35);  // end: 2 -> 3
    s.Value(3);     // unchanged: nothing raised
    s.Value(1);
    EXPECT_THROW(s.Value(4), base::BasicError);
    EXPECT_EQ(f.log, (std::vector<std::string>{"Slider3_Change 3", "Slider3_Scroll", "Slider3_Change 1",
                                               "Slider3_Change 2", "Slider3_Change 3", "Slider3_Change 1"}));
}

TEST_F(CommonControls, TheRichTextBoxAppendsAtTheCaretAndSplitsLines) {
    frmKinds& f = shown();
    RichTextBox& c = f.txtConView;
    c.Text("<<< Trying to connect to: 127.0.0.1:80 >>>");
    c.append("\r\n<<< ready to send/recv >>>");
    EXPECT_EQ(c.SelStart(), static_cast<int>(c.Text().size())) << "the caret after the appended piece";
    c.Text(c.Text() + "\r\n" + "HTTP/1.0 200 OK\n");
    EXPECT_EQ(c.lines(), (std::vector<std::string>{"<<< Trying to connect to: 127.0.0.1:80 >>>",
                                                   "<<< ready to send/recv >>>", "HTTP/1.0 200 OK", ""}));
    EXPECT_EQ(f.consoleChanges, 3);
    c.SelStart(4);
    c.SelLength(6);
    EXPECT_EQ(c.SelText(), "Trying");
}

TEST_F(CommonControls, TheBrowserShowsALocalPageAndRecordsAddressesItCannotReach) {
    frmKinds& f = shown();
    WebBrowser& w = f.WebBrowser1;
    // A path joined the way the program joins it, with "\".
    const std::string page = std::string(kPages) + "\\help.htm";
    w.Navigate2(page);
    EXPECT_TRUE(w.Busy());
    EXPECT_TRUE(f.log.empty()) << "the navigation completes on the loop's next pass";
    DoEvents();
    EXPECT_FALSE(w.Busy());
    EXPECT_EQ(f.log, (std::vector<std::string>{"Complete " + page}));
    EXPECT_EQ(w.LocationName(), "Quarvelin Help");
    EXPECT_EQ(w.documentText(),
              "Getting started\nRules decide each connection: Block, Trust & Terminate.\nAllow all\nBlock all");

    f.log.clear();
    w.Navigate2("http://www.example.invalid/ads.php");
    w.Navigate2(std::string(kPages) + "/missing.htm");
    DoEvents();
    EXPECT_EQ(w.unreachable().size(), 1u) << "a newer navigation replaces the one before it";
    EXPECT_EQ(f.log, (std::vector<std::string>{"Error " + std::string(kPages) + "/missing.htm"}));
    EXPECT_NE(w.documentText().find("The page cannot be displayed"), std::string::npos);
    w.Navigate2("http://www.example.invalid/ads.php");
    DoEvents();
    EXPECT_EQ(w.unreachable().back(), "http://www.example.invalid/ads.php");
}

TEST(HtmlToText, EntitiesBlocksScriptsAndBlanks) {
    struct Case {
        const char* html;
        const char* text;
    } cases[] = {
        {"a&lt;b&gt;&quot;c&quot; &#65;&#x42;", "a<b>\"c\" AB"},
        {"one<br>two<p>three</p>", "one\ntwo\nthree"},
        {"<script>var x = '<b>';</script>shown", "shown"},
        {"  many \r\n\t blanks  ", "many blanks"},
        {"broken &unknown; <b", "broken &unknown;"},
    };
    for (auto& c : cases) EXPECT_EQ(htmlToText(c.html).text, c.text) << c.html;
}

TEST_F(CommonControls, TheFileDialogAsksThePrompterAndReportsCancelAsAnError) {
    frmKinds& f = shown();
    CommonDialog& d = f.CommonDialog1;
    d.DialogTitle(" Select file name");
    d.Filter("All Files (*.*)|*.*");
    d.InitDir("/tmp");
    script.files = {std::string("/opt/apps/browser.exe"), std::nullopt, std::nullopt};
    d.ShowOpen();
    EXPECT_EQ(d.FileName(), "/opt/apps/browser.exe");
    EXPECT_EQ(d.FileTitle(), "browser.exe");
    ASSERT_EQ(script.dialogs.size(), 1u);
    EXPECT_EQ(script.dialogs[0].title, " Select file name");
    EXPECT_EQ(script.dialogs[0].filter, "All Files (*.*)|*.*");
    EXPECT_EQ(script.dialogs[0].initDir, "/tmp");
    EXPECT_FALSE(script.dialogs[0].save);

    try {
        d.ShowOpen();
        FAIL() << "a cancel with CancelError is an error";
    } catch (const base::BasicError& e) {
        EXPECT_EQ(e.number(), cdlCancel);
    }
    EXPECT_EQ(d.FileName(), "/opt/apps/browser.exe") << "a cancel changes nothing";
    d.CancelError(false);
    d.ShowSave();
    EXPECT_TRUE(script.dialogs.back().save);
    EXPECT_EQ(d.FileName(), "/opt/apps/browser.exe");
}

TEST_F(CommonControls, TheAnimationOpensOnlyClipsThatExist) {
    frmKinds& f = shown();
    Animation& a = f.aniNET;
    EXPECT_THROW(a.Open(std::string(kPages) + "/none.avi"), base::BasicError);
    EXPECT_THROW(a.Play(), base::BasicError) << "nothing to play";
    a.AutoPlay(true);
    a.Open(std::string(kPages) + "/help.htm");
    EXPECT_TRUE(a.playing());
    a.Stop();
    EXPECT_FALSE(a.playing());
    a.Close();
    EXPECT_EQ(a.clip(), "");
}

TEST_F(CommonControls, TheUserControlSavesWhatItReadAndTheHostTakesItsExtender) {
    frmKinds& f = shown();
    EXPECT_EQ(f.ucGauge1.Extender().Top(), 3700);
    EXPECT_EQ(f.ucGauge1.lblValue.Width(), 1500) << "its Resize laid out the constituent";
    f.ucGauge1.Value(0);
    EXPECT_TRUE(f.ucGauge1.saveProperties().empty()) << "0 is the write default";
    f.ucGauge1.Value(7);
    EXPECT_EQ(f.ucGauge1.saveProperties().designText("Value"), "7");
}

}  // namespace
}  // namespace qv::forms
