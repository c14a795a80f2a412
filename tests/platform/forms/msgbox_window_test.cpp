// Message boxes as windows answered by a person while the caller waits in a nested run of the
// loop; the person's steps come from the loop's idle hook on the fake clock.
#include "platform/forms/msgbox_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/base/clock.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/runtime.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

class MsgBoxWindow : public ::testing::Test {
protected:
    MsgBoxWindow() { setPrompter(&prompter_); }
    ~MsgBoxWindow() override {
        setPrompter(nullptr);
        setIdleHook(nullptr);
        resetForms();
    }
    static Form* box() {
        for (Form* f : LoadedForms())
            if (f->Name() == "frmMsgBox") return f;
        return nullptr;
    }
    static CommandButton* button(Form& f, int answer) {
        return dynamic_cast<CommandButton*>(f.findControl("cmd" + std::to_string(answer)));
    }
    // Answers the box once it shows, by `act`; what was seen of it is kept.
    void answerBy(std::function<void(Form&)> act) {
        setIdleHook([this, act] {
            clock_.advance(1);
            Form* f = box();
            if (f == nullptr || !f->Visible()) return;
            seenCaption = f->Caption();
            seenFocus = ws_.focus();
            seenDefault = f->ActiveControl();
            seenDefaultWindow = seenDefault ? seenDefault->hWnd() : 0;
            act(*f);
        });
    }

    base::FakeClock clock_;
    base::ScopedClock useClock_{clock_};
    gui::WindowSystem ws_;
    gui::ScopedWindowSystem useWindows_{ws_};
    WindowPrompter prompter_;
    std::string seenCaption;
    gui::HWnd seenFocus = 0;
    Control* seenDefault = nullptr;
    gui::HWnd seenDefaultWindow = 0;
};

TEST_F(MsgBoxWindow, TheButtonsEnterEscapeAndTheCloseBoxAnswer) {
    struct Case {
        const char* what;
        int style;
        std::function<void(Form&)> act;
        int answer;
    };
    const Case cases[] = {
        {"a click on Yes", vbYesNo + vbInformation + vbDefaultButton2,
         [](Form& f) { f.clickControl(*button(f, vbYes)); }, vbYes},
        {"Enter on the focused default", vbYesNo + vbInformation + vbDefaultButton2,
         [](Form& f) { f.injectKeyDown(13); }, vbNo},
        {"Escape with a Cancel button", vbOKCancel + vbExclamation,
         [](Form& f) { f.injectKeyDown(27); }, vbCancel},
        {"the close box without Cancel", vbYesNo + vbQuestion,
         [this](Form& f) { ws_.sendMessage(f.hWnd(), gui::WM_CLOSE); }, vbYes},
        {"the close box with Cancel", vbYesNoCancel + vbCritical,
         [this](Form& f) { ws_.sendMessage(f.hWnd(), gui::WM_CLOSE); }, vbCancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        answerBy(c.act);
        EXPECT_EQ(MsgBox("Are you sure to quit?", c.style, "Warning!"), c.answer);
        EXPECT_EQ(seenCaption, "Warning!");
        EXPECT_EQ(box(), nullptr) << "the box is gone";
    }
}

TEST_F(MsgBoxWindow, TheBoxIsModalAndItsDefaultButtonHasTheFocus) {
    Form main("frmMainWindow");
    main.BorderStyle(0);
    main.Move(0, 0, 400 * kTwipsPerPixel, 300 * kTwipsPerPixel);
    Load(main);
    main.Show();
    bool mainEnabled = true;
    answerBy([&](Form& f) {
        mainEnabled = ws_.isEnabled(main.hWnd());
        f.clickControl(*button(f, vbOK));
    });
    EXPECT_EQ(MsgBox("Please choose security action!", vbInformation), vbOK);
    EXPECT_FALSE(mainEnabled) << "the other windows take no input while the box shows";
    EXPECT_TRUE(ws_.isEnabled(main.hWnd()));
    ASSERT_NE(seenDefault, nullptr);
    EXPECT_EQ(seenDefault->Name(), "cmd1");
    EXPECT_EQ(seenFocus, seenDefaultWindow);
    Unload(main);
}

}  // namespace
}  // namespace qv::forms
