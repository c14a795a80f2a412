// Hosting of our own controls: the property bag, the life cycle on a host form, the extender
// and ambient properties, input routed to constituents, resize and paint.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/base/clock.h"
#include "platform/forms/control_array.h"
#include "platform/forms/hosting/user_control.h"
#include "platform/forms/instances.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/gfx/colour.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

std::vector<std::string> journal;

std::string xy(float x, float y) { return std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)); }

// A small control in the way the program's own controls are written.
class ucProbe : public UserControl {
public:
    ucProbe(Form& host, std::string name, int index = -1) : UserControl(host, std::move(name), index) {
        lblCaption.Move(0, 0, 1500, 240);
        lblCaption.Click = [] { journal.push_back("lblCaption_Click"); };
    }
    std::string_view kind() const override { return "ucProbe"; }

    std::string Caption;
    int Level = 0;
    uint32_t CapColor = 0;
    StdFont CapFont;
    Label lblCaption{inside(), "lblCaption"};

protected:
    void UserControl_Initialize() override { journal.push_back("Initialize"); }
    void UserControl_InitProperties() override {
        journal.push_back("InitProperties");
        Caption = Extender().Name();
        Level = 1;
    }
    void UserControl_ReadProperties(PropertyBag& bag) override {
        journal.push_back("ReadProperties");
        Caption = bag.ReadProperty("Caption", "ucProbe");
        Level = bag.ReadProperty("Level", 3);
        CapColor = bag.ReadProperty("CapColor", uint32_t{0});
        CapFont = bag.ReadProperty("Font", Ambient().Font);
    }
    void UserControl_WriteProperties(PropertyBag& bag) override {
        bag.WriteProperty("Caption", Caption, "");
        bag.WriteProperty("Level", Level, 3);
        bag.WriteProperty("CapColor", CapColor, uint32_t{0});
        bag.WriteProperty("Font", CapFont);
    }
    void UserControl_Resize() override { journal.push_back("Resize " + std::to_string(ScaleWidth())); }
    void UserControl_Paint() override {
        gfx::Rect r{0, 0, 10, 10};
        hDC().fillRect(r, gfx::Brush::solid(gfx::rgb(255, 0, 0)));
    }
    void UserControl_Show() override { journal.push_back("Show"); }
    void UserControl_Hide() override { journal.push_back("Hide"); }
    void UserControl_AmbientChanged(const std::string& name) override {
        journal.push_back("AmbientChanged " + name + " " + (Ambient().DisplayAsDefault ? "1" : "0"));
    }
    void UserControl_GotFocus() override { journal.push_back("GotFocus"); }
    void UserControl_LostFocus() override { journal.push_back("LostFocus"); }
    void UserControl_MouseDown(int b, int, float x, float y) override {
        journal.push_back("MouseDown " + std::to_string(b) + " " + xy(x, y));
    }
    void UserControl_MouseUp(int b, int, float x, float y) override {
        journal.push_back("MouseUp " + std::to_string(b) + " " + xy(x, y));
    }
    void UserControl_KeyDown(int& code, int shift) override {
        journal.push_back("KeyDown " + std::to_string(code) + " " + std::to_string(shift));
    }
    void UserControl_KeyPress(int& ascii) override { journal.push_back("KeyPress " + std::to_string(ascii)); }
    void UserControl_KeyUp(int& code, int) override { journal.push_back("KeyUp " + std::to_string(code)); }
    void UserControl_MouseLeave() override { journal.push_back("MouseLeave"); }
    void UserControl_Click() override { journal.push_back("Click"); }
    void UserControl_DblClick() override { journal.push_back("DblClick"); }
    void UserControl_Terminate() override { journal.push_back("Terminate"); }
};

class frmHost : public Form {
public:
    explicit frmHost(const char* design = "frmHost") : Form("frmHost", design) {}
    ucProbe ucProbe1{*this, "ucProbe1"};
    CommandButton Command1{*this, "Command1"};
    ControlArray<ucProbe> probes{*this, "probes"};
};

class FormsHosting : public ::testing::Test {
protected:
    void SetUp() override {
        journal.clear();
        setDesignFolder(QV_FIXTURES "/forms");
    }
    void TearDown() override {
        resetForms();
        setAmbientUserMode(true);
    }
    base::FakeClock clock;
    base::ScopedClock scoped{clock};
};

TEST(PropertyBag, MissingKeysReadAsDefaultsAndWriteDefaultsAreNotStored) {
    PropertyBag bag;
    bag.WriteProperty("Caption", std::string(""), "");  // equal to its write default
    bag.WriteProperty("Style", 3, 3);
    bag.WriteProperty("IconSize", 24, 16);
    bag.WriteProperty("BackColor", uint32_t{0x8000000F}, uint32_t{0xC0C0C0});
    bag.WriteProperty("ToolTipText", "");  // no write default: always stored
    bag.WriteProperty("Value", true, false);
    bag.WriteProperty("Ratio", 0.25, 1.0);
    StdFont f{"Verdana", 9.75, true, false, true, false};
    bag.WriteProperty("Font", f);
    EXPECT_EQ(bag.keys(), (std::vector<std::string>{"IconSize", "BackColor", "ToolTipText", "Value", "Ratio", "Font"}));

    EXPECT_EQ(bag.ReadProperty("Caption", "isButton"), "isButton");
    EXPECT_EQ(bag.ReadProperty("Style", 0), 0) << "not stored, so the read default";
    EXPECT_EQ(bag.ReadProperty("iconsize", 16), 24) << "keys compare without regard to case";
    EXPECT_EQ(bag.ReadProperty("BackColor", uint32_t{0}), 0x8000000Fu);
    EXPECT_EQ(bag.ReadProperty("ToolTipText", "x"), "");
    EXPECT_TRUE(bag.ReadProperty("Value", false));
    EXPECT_EQ(bag.ReadProperty("Value", 0), -1) << "True read as a number";
    EXPECT_DOUBLE_EQ(bag.ReadProperty("Ratio", 1.0), 0.25);
    EXPECT_EQ(bag.ReadProperty("Font", StdFont{}), f);

    // Writing the default later removes what was stored.
    bag.WriteProperty("IconSize", 16, 16);
    EXPECT_FALSE(bag.contains("IconSize"));
}

TEST(PropertyBag, DesignValuesConvertOnReadAndBadOnesAreClearErrors) {
    Design d = parseDesign(
        "form f\n"
        "control ucProbe p\n"
        "  Caption = \"Block\"\n"
        "  Min = 5\n"
        "  Big = 40000\n"
        "  On = True\n"
        "  Colour = &H8000000F\n"
        "  Font = \"Tahoma\", 8.25\n"
        "  BadFont = \"Tahoma\", -1\n"
        "  Words = \"five\"\n");
    PropertyBag bag(d.controls[0]);
    EXPECT_EQ(bag.ReadProperty("Caption", ""), "Block");
    EXPECT_EQ(bag.ReadProperty("Min", 0), 5);
    EXPECT_TRUE(bag.ReadProperty("On", false));
    EXPECT_EQ(bag.ReadProperty("Colour", uint32_t{0}), 0x8000000Fu);
    StdFont base{"MS Sans Serif", 12, true};
    StdFont font = bag.ReadProperty("Font", base);
    EXPECT_EQ(font.Name, "Tahoma");
    EXPECT_DOUBLE_EQ(font.Size, 8.25);
    EXPECT_TRUE(font.Bold) << "styles not given keep the default's";
    EXPECT_EQ(bag.designText("Font"), "\"Tahoma\", 8.25");

    EXPECT_THROW(bag.ReadProperty("Words", 0), DesignError);
    EXPECT_THROW(bag.ReadProperty("Big", int16_t{0}), DesignError);
    EXPECT_THROW(bag.ReadProperty("BadFont", base), DesignError);
    EXPECT_THROW(bag.ReadProperty("Min", StdFont{}), DesignError);
}

TEST_F(FormsHosting, LoadsFromTheDesignThroughReadPropertiesAndFollowsTheHost) {
    frmHost& f = Default<frmHost>();
    ucProbe& p = f.ucProbe1;
    EXPECT_EQ(journal, (std::vector<std::string>{"Initialize", "ReadProperties", "Resize 1500"}));
    EXPECT_EQ(p.Caption, "Saved caption");
    EXPECT_EQ(p.Level, 7);
    EXPECT_EQ(p.CapColor, 0xFF00u);
    EXPECT_EQ(p.CapFont.Name, "Verdana");
    EXPECT_TRUE(p.CapFont.Bold);
    // The extender took its keys.
    EXPECT_EQ(p.Extender().Left(), 300);
    EXPECT_EQ(p.Extender().Top(), 450);
    EXPECT_EQ(p.Extender().Height(), 750);
    EXPECT_EQ(p.Extender().ToolTipText(), "probe tip");
    EXPECT_EQ(p.Ambient().Font.Name, "Tahoma");
    EXPECT_EQ(p.Ambient().DisplayName, "ucProbe1");
    EXPECT_TRUE(p.Ambient().UserMode);
    EXPECT_EQ(p.surface().width(), 100);
    EXPECT_EQ(p.surface().height(), 50);

    journal.clear();
    f.Show();
    p.Width(3000);
    p.Visible(false);
    p.Visible(true);
    f.Hide();
    f.Show();
    Unload(f);
    EXPECT_EQ(journal, (std::vector<std::string>{"Show", "Resize 3000", "Hide", "Show", "Hide", "Show", "Hide",
                                                 "Terminate"}));
}

TEST_F(FormsHosting, ANewControlGetsInitPropertiesAndSavesOnlyWhatDiffersFromTheDefaults) {
    frmHost f("");
    Load(f);
    ucProbe& p = f.ucProbe1;
    EXPECT_EQ(journal, (std::vector<std::string>{"Initialize", "InitProperties", "Resize 2400"}));
    EXPECT_EQ(p.Caption, "ucProbe1") << "a new control takes its extender name";

    p.Caption = "";
    p.Level = 3;
    p.CapFont = StdFont{};
    PropertyBag saved = p.saveProperties();
    EXPECT_EQ(saved.keys(), (std::vector<std::string>{"Font"})) << "the font is stored whatever its value";
    p.readProperties(saved);
    EXPECT_EQ(p.Caption, "ucProbe") << "an empty caption was not stored and reads as the read default";
    EXPECT_EQ(p.Level, 3);

    // A control-array element loaded at run time is a new control too.
    journal.clear();
    ucProbe& e = f.probes.Load(2);
    EXPECT_TRUE(e.sited());
    EXPECT_NE(e.hWnd(), 0) << "a child of the form's window";
    EXPECT_EQ(gui::windows().parent(e.hWnd()), f.hWnd());
    EXPECT_EQ(e.Caption, "probes");
    EXPECT_EQ(journal, (std::vector<std::string>{"Initialize", "InitProperties", "Resize 2400"}));
}

TEST_F(FormsHosting, AValueTheControlCannotReadFailsTheLoadEveryTime) {
    setDesignFolder(QV_FIXTURES "/forms/bad");
    frmHost f("bad_user_value");
    EXPECT_THROW(Load(f), DesignError);
    EXPECT_FALSE(f.loaded());
    EXPECT_THROW(Load(f), DesignError) << "a failed load leaves the form able to try again";
    EXPECT_FALSE(f.ucProbe1.sited());
}

TEST_F(FormsHosting, InputOnAConstituentReachesItAloneAndTheRestReachesTheControl) {
    frmHost& f = Default<frmHost>();
    f.Show();
    journal.clear();
    // The caption label covers the control's first 16 pixel rows (300, 450 twips = 20, 30 px).
    // A left press gives the control the focus; the click is the constituent's alone.
    f.injectClick(20 + 10, 30 + 5);
    EXPECT_EQ(journal, (std::vector<std::string>{"GotFocus", "lblCaption_Click"}));

    journal.clear();
    f.injectMouseMove(0, 0, 20 + 10, 30 + 30);
    f.injectClick(20 + 10, 30 + 30, kRightButton);
    f.injectMouseMove(0, 0, 5, 5);  // off the control
    f.injectMouseMove(0, 0, 6, 5);
    EXPECT_EQ(journal, (std::vector<std::string>{"MouseDown 2 150,450", "MouseUp 2 150,450", "MouseLeave"}))
        << "the right button clicks nothing";

    journal.clear();
    f.ucProbe1.ScaleMode(3);
    f.injectClick(20 + 10, 30 + 30);
    EXPECT_EQ(journal, (std::vector<std::string>{"MouseDown 1 10,30", "MouseUp 1 10,30", "Click"}))
        << "events come in the control's ScaleMode";
}

// Click is a left press and a release on the control; the release of any other button, one off
// the control and the second of a double click raise none.
TEST_F(FormsHosting, AClickIsALeftPressAndReleaseOnTheControl) {
    frmHost& f = Default<frmHost>();
    f.Show();
    f.ucProbe1.SetFocus();
    // (30, 60) lies on the control below its caption label, 150 and 450 twips into it; (30, 150)
    // lies below it.
    struct Case {
        const char* name;
        std::function<void()> input;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {"left, released on it", [&] { f.injectClick(30, 60); },
         {"MouseDown 1 150,450", "MouseUp 1 150,450", "Click"}},
        {"right", [&] { f.injectClick(30, 60, kRightButton); }, {"MouseDown 2 150,450", "MouseUp 2 150,450"}},
        {"middle", [&] { f.injectClick(30, 60, kMiddleButton); }, {"MouseDown 4 150,450", "MouseUp 4 150,450"}},
        {"left, released off it",
         [&] { f.injectMouseDown(kLeftButton, 0, 30, 60), f.injectMouseUp(kLeftButton, 0, 30, 150); },
         {"MouseDown 1 150,450", "MouseLeave", "MouseUp 1 150,1800"}},
        {"a double click", [&] { f.injectClick(30, 60), f.injectClick(30, 60); },
         {"MouseDown 1 150,450", "MouseUp 1 150,450", "Click", "DblClick", "MouseUp 1 150,450"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.injectMouseMove(0, 0, 30, 60);
        clock.advance(1000);  // no double click with the case before
        journal.clear();
        c.input();
        EXPECT_EQ(journal, c.events);
    }
}

TEST_F(FormsHosting, DisplayAsDefaultFollowsTheFocusAndPropertyChangedIsHeard) {
    frmHost& f = Default<frmHost>();
    ucProbe& p = f.ucProbe1;
    journal.clear();
    p.Default(true);
    EXPECT_TRUE(p.Ambient().DisplayAsDefault);
    f.Command1.SetFocus();  // another button holds the focus: it shows as the default
    p.SetFocus();
    EXPECT_EQ(journal, (std::vector<std::string>{"AmbientChanged DisplayAsDefault 1",
                                                 "AmbientChanged DisplayAsDefault 0", "GotFocus",
                                                 "AmbientChanged DisplayAsDefault 1"}));

    p.PropertyChanged("Caption");
    EXPECT_EQ(p.changedProperties(), (std::vector<std::string>{"Caption"}));
    setAmbientUserMode(false);
    EXPECT_FALSE(p.Ambient().UserMode);
}

TEST_F(FormsHosting, KeysReachTheFocusedControlAndTabMovesTheFocusInTabOrder) {
    frmHost& f = Default<frmHost>();
    f.Show();
    f.ucProbe1.TabIndex(1);
    f.Command1.TabIndex(0);
    f.ucProbe1.SetFocus();
    journal.clear();
    f.injectKeyDown(32);
    f.injectKeyPress(32);
    f.injectKeyUp(32);
    f.injectKeyDown(9);  // the control hears the Tab, then the focus moves on
    EXPECT_EQ(f.ActiveControl(), &f.Command1);
    f.injectKeyDown(32);  // to the command button now: not the probe
    f.injectKeyDown(9, kShiftMask);
    EXPECT_EQ(f.ActiveControl(), &f.ucProbe1);
    EXPECT_EQ(journal, (std::vector<std::string>{"KeyDown 32 0", "KeyPress 32", "KeyUp 32", "KeyDown 9 0",
                                                 "LostFocus", "GotFocus"}));
    f.ucProbe1.Visible(false);
    f.injectKeyDown(9);
    f.injectKeyDown(9);
    EXPECT_EQ(f.ActiveControl(), &f.Command1) << "a hidden control takes no focus";
}

TEST_F(FormsHosting, PaintDrawsOnTheControlsOwnSurfaceOnlyWhileShown) {
    frmHost& f = Default<frmHost>();
    ucProbe& p = f.ucProbe1;
    p.BackColor(gfx::rgb(0, 0, 255));
    p.Cls();
    p.paint();  // the form is hidden: nothing is painted
    EXPECT_EQ(p.surface().pixel(0, 0), gfx::rgb(0, 0, 255));
    f.Show();
    p.paint();
    EXPECT_EQ(p.surface().pixel(0, 0), gfx::rgb(255, 0, 0));
    EXPECT_EQ(p.surface().pixel(10, 10), gfx::rgb(0, 0, 255));
}

}  // namespace
}  // namespace qv::forms
