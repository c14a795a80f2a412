#include "controls/sys_tray.h"

#include <gtest/gtest.h>

#include <vector>

#include "controls/tray_shell.h"
#include "platform/base/clock.h"
#include "platform/forms/form.h"
#include "platform/gfx/picture.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"
#include "platform/forms/hosting/property_bag.h"

namespace qv::controls {
namespace {

struct ShellCall {
    std::uint32_t message;
    gui::NotifyIconData data;
};

class RecordingShell : public TrayShell {
public:
    bool notifyIcon(std::uint32_t message, const gui::NotifyIconData& data) override {
        calls.push_back({message, data});
        return TrayShell::notifyIcon(message, data);
    }
    std::vector<ShellCall> calls;
};

forms::PictureRef iconPicture() {
    return gfx::Picture::icon(gfx::Canvas(32, 32, gfx::rgb(0, 128, 0)), gfx::Canvas(32, 32, 0));
}

class SysTrayTest : public ::testing::Test {
protected:
    base::FakeClock clock_;
    base::ScopedClock useClock_{clock_};
    gui::WindowSystem ws_;
    gui::ScopedWindowSystem useWindows_{ws_};
    RecordingShell shell_;
    ScopedTrayShell useShell_{shell_};
    forms::Form form_{"frmTray"};
    ~SysTrayTest() override { forms::setAmbientUserMode(true); }

    std::unique_ptr<cSysTray> make(bool userMode = true) {
        forms::setAmbientUserMode(userMode);
        return std::make_unique<cSysTray>(form_, "SysTray");
    }
    // The properties marked changed since the last call.
    std::vector<std::string> changed(const cSysTray& t) {
        const auto& all = t.changedProperties();
        std::vector<std::string> out(all.begin() + seen_, all.end());
        seen_ = all.size();
        return out;
    }
    std::size_t seen_ = 0;
    std::optional<gui::TrayIcon> shown(const cSysTray& t) { return ws_.notificationArea().icon(t.hWnd(), 0); }
};

TEST_F(SysTrayTest, LoadAddsWithCallbackOnlyThenModifiesIconThenTip) {
    auto icon = iconPicture();
    forms::PropertyBag bag;
    bag.WriteProperty("InTray", true);
    bag.WriteProperty("TrayIcon", icon);
    bag.WriteProperty("TrayTip", std::string("Quarvelin - Status Normal"));
    auto t = make();
    t->readProperties(bag);

    ASSERT_EQ(shell_.calls.size(), 3u);
    EXPECT_EQ(shell_.calls[0].message, gui::NIM_ADD);
    EXPECT_EQ(shell_.calls[0].data.flags, gui::NIF_MESSAGE);
    EXPECT_EQ(shell_.calls[0].data.callbackMessage, mSysTray::kTrayCallbackMessage);
    EXPECT_EQ(shell_.calls[0].data.hwnd, t->hWnd());
    EXPECT_EQ(shell_.calls[0].data.id, 0u);
    EXPECT_EQ(shell_.calls[1].message, gui::NIM_MODIFY);
    EXPECT_EQ(shell_.calls[1].data.flags, gui::NIF_ICON);
    EXPECT_EQ(shell_.calls[1].data.icon, static_cast<std::intptr_t>(icon->handle()));
    EXPECT_EQ(shell_.calls[2].message, gui::NIM_MODIFY);
    EXPECT_EQ(shell_.calls[2].data.flags, gui::NIF_TIP);

    std::string field = shell_.calls[2].data.tip;
    ASSERT_EQ(field.size(), 64u);
    EXPECT_EQ(field.substr(0, 26), std::string("Quarvelin - Status Normal") + '\0');
    EXPECT_EQ(field.find_first_not_of(' ', 26), std::string::npos);

    auto s = shown(*t);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->tip, "Quarvelin - Status Normal");
    EXPECT_EQ(s->icon, static_cast<std::intptr_t>(icon->handle()));
}

TEST_F(SysTrayTest, SettingInTrayToItsValueSendsAndMarksNothing) {
    auto t = make();
    t->InTray(false);
    EXPECT_TRUE(shell_.calls.empty());
    EXPECT_TRUE(changed(*t).empty());
    t->InTray(true);
    changed(*t);
    shell_.calls.clear();
    t->InTray(true);
    EXPECT_TRUE(shell_.calls.empty());
    EXPECT_TRUE(changed(*t).empty());
}

TEST_F(SysTrayTest, ValuesSetBeforeTheAddOnlyStoreAndTheAddUsesThem) {
    auto t = make();
    auto icon = iconPicture();
    t->TrayTip("Ready");
    t->TrayIcon(icon);
    EXPECT_TRUE(shell_.calls.empty());
    EXPECT_EQ(changed(*t), (std::vector<std::string>{"TrayTip", "TrayIcon"}));

    t->InTray(true);
    ASSERT_EQ(shell_.calls.size(), 1u);
    EXPECT_EQ(shell_.calls[0].data.flags, gui::NIF_MESSAGE | gui::NIF_ICON | gui::NIF_TIP);
    EXPECT_EQ(shown(*t)->tip, "Ready");
}

TEST_F(SysTrayTest, OnlyAnIconIsTakenAsTrayIcon) {
    auto t = make();
    auto icon = iconPicture();
    t->TrayIcon(icon);
    t->InTray(true);
    shell_.calls.clear();
    changed(*t);

    t->TrayIcon(gfx::Picture::bitmap(gfx::Canvas(32, 32)));
    t->TrayIcon(nullptr);
    EXPECT_EQ(t->TrayIcon(), icon);
    EXPECT_TRUE(shell_.calls.empty());
    EXPECT_TRUE(changed(*t).empty());
}

TEST_F(SysTrayTest, ANewInstanceRefusesItsFacePictureAsIcon) {
    auto t = make();
    t->site();
    EXPECT_EQ(t->TrayTip(), "Telnet Server");
    EXPECT_EQ(t->Caption(), "Telnet Server");
    EXPECT_EQ(t->TrayIcon(), nullptr);
    EXPECT_FALSE(t->InTray());
}

TEST_F(SysTrayTest, TipsAreCutTo63AndAnEmptyTipEmptiesTheShownOne) {
    auto t = make();
    t->InTray(true);
    std::string longTip(80, 'x');
    t->TrayTip(longTip);
    EXPECT_EQ(shown(*t)->tip, std::string(63, 'x'));
    EXPECT_EQ(t->TrayTip(), longTip);
    EXPECT_EQ(shell_.calls.back().data.tip, std::string(63, 'x') + '\0');

    t->TrayTip("");
    EXPECT_EQ(shell_.calls.back().data.flags, gui::NIF_TIP);
    EXPECT_EQ(shown(*t)->tip, "");
}

TEST_F(SysTrayTest, CallbacksBecomeEvents) {
    struct Case {
        gui::MessageId mouse;
        std::string event;  // "" for none
        int button;
    };
    const Case cases[] = {
        {gui::WM_MOUSEMOVE, "MouseMove", 0},     {gui::WM_LBUTTONDOWN, "MouseDown", 1},
        {gui::WM_LBUTTONUP, "MouseUp", 1},       {gui::WM_LBUTTONDBLCLK, "MouseDblClick", 1},
        {gui::WM_RBUTTONDOWN, "MouseDown", 2},   {gui::WM_RBUTTONUP, "MouseUp", 2},
        {gui::WM_RBUTTONDBLCLK, "MouseDblClick", 2}, {gui::WM_MBUTTONDOWN, "", 0},
        {gui::WM_MBUTTONUP, "", 0},              {gui::WM_MBUTTONDBLCLK, "", 0},
    };
    auto t = make();
    std::vector<std::pair<std::string, int>> raised;
    t->MouseMove = [&](std::int32_t& id) { raised.push_back({"MouseMove", 0}); EXPECT_EQ(id, 0); };
    t->MouseDown = [&](int& b, std::int32_t&) { raised.push_back({"MouseDown", b}); };
    t->MouseUp = [&](int& b, std::int32_t&) { raised.push_back({"MouseUp", b}); };
    t->MouseDblClick = [&](int& b, std::int32_t&) { raised.push_back({"MouseDblClick", b}); };
    t->InTray(true);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mouse);
        raised.clear();
        ASSERT_TRUE(ws_.notificationArea().pointerEvent(t->hWnd(), 0, c.mouse));
        ws_.doEvents();
        if (c.event.empty()) {
            EXPECT_TRUE(raised.empty());
        } else {
            ASSERT_EQ(raised.size(), 1u);
            EXPECT_EQ(raised[0].first, c.event);
            EXPECT_EQ(raised[0].second, c.button);
        }
    }
}

TEST_F(SysTrayTest, OtherMessagesStillReachTheWindowsOwnProcedure) {
    auto t = make();
    int seen = 0;
    ws_.setWindowProc(t->hWnd(), [&](gui::HWnd h, gui::MessageId m, gui::WParam w, gui::LParam l) {
        ++seen;
        return ws_.defWindowProc(h, m, w, l);
    });
    t->InTray(true);
    ws_.sendMessage(t->hWnd(), gui::WM_USER + 5);
    ws_.sendMessage(t->hWnd(), mSysTray::kTrayCallbackMessage, 0, gui::WM_MOUSEMOVE);
    EXPECT_EQ(seen, 2);
    t->InTray(false);
    ws_.sendMessage(t->hWnd(), gui::WM_USER + 5);
    EXPECT_EQ(seen, 3);
}

TEST_F(SysTrayTest, DesignModeStoresInTrayButAddsNothing) {
    auto t = make(false);
    int raised = 0;
    t->MouseUp = [&](int&, std::int32_t&) { ++raised; };
    t->InTray(true);
    EXPECT_TRUE(t->InTray());
    EXPECT_TRUE(shell_.calls.empty());
    EXPECT_FALSE(t->added());
    EXPECT_EQ(ws_.userData(t->hWnd()), 0);
    // The window is not subclassed: a callback message reaching it raises nothing.
    ws_.sendMessage(t->hWnd(), mSysTray::kTrayCallbackMessage, 0, gui::WM_RBUTTONUP);
    EXPECT_EQ(raised, 0);
    EXPECT_EQ(changed(*t), std::vector<std::string>{"InTray"});

    forms::PropertyBag bag = t->saveProperties();
    EXPECT_EQ(bag.keys(), (std::vector<std::string>{"InTray", "TrayIcon", "TrayTip"}));
    EXPECT_TRUE(bag.ReadProperty("InTray", false));
}

TEST_F(SysTrayTest, DestructionDeletesTheIcon) {
    auto t = make();
    t->InTray(true);
    gui::HWnd h = t->hWnd();
    ASSERT_TRUE(shown(*t));
    t.reset();
    EXPECT_EQ(shell_.calls.back().message, gui::NIM_DELETE);
    EXPECT_EQ(shell_.calls.back().data.hwnd, h);
    EXPECT_TRUE(ws_.notificationArea().icons().empty());
    EXPECT_FALSE(ws_.isWindow(h));
}

TEST_F(SysTrayTest, SizeStaysAt510Twips) {
    auto t = make();
    t->site();
    t->Move(0, 0, 2000, 100);
    EXPECT_EQ(t->Width(), 510);
    EXPECT_EQ(t->Height(), 510);
}

TEST_F(SysTrayTest, DrawsItsFaceOnlyWhileItsHostIsDesigned) {
    forms::Load(form_);
    form_.Show();
    for (bool userMode : {true, false}) {
        SCOPED_TRACE(userMode ? "run time" : "design time");
        auto t = make(userMode);
        t->site();
        t->Visible(true);
        t->TrayIcon(iconPicture());
        t->paint();
        EXPECT_EQ(t->surface().pixel(10, 10) == gfx::rgb(0, 128, 0), !userMode);
    }
}

}  // namespace
}  // namespace qv::controls
