#include "controls/button_hook.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "button_test_host.h"
#include "platform/gui/messages.h"

namespace qv::controls {
namespace {

using gui::HWnd;
using gui::LParam;
using gui::LResult;
using gui::MessageId;
using gui::WParam;

constexpr MessageId kAsk = gui::WM_USER;
constexpr MessageId kNested = gui::WM_USER + 1;

// Plain windows whose procedure logs the messages of interest and answers kAsk with 7; a hook
// whose handler logs each call and does what the test asks.
class HookTest : public testing::ButtonEnvironmentTest {
protected:
    HookTest() {
        ws_.registerClass(gui::WindowClass{"Plain", [this](HWnd h, MessageId m, WParam w, LParam l) -> LResult {
                                               if (watched(m)) log_.push_back("proc " + name(m));
                                               if (m == kAsk && whileAsked_) whileAsked_();
                                               if (m == kAsk) return 7;
                                               return ws_.defWindowProc(h, m, w, l);
                                           }});
        hook_ = std::make_unique<MessageHook>("isButton", [this](bool before, bool& handled, LResult& result, HWnd h,
                                                                 MessageId m, WParam, LParam, std::intptr_t& user) {
            if (watched(m)) log_.push_back(std::string(before ? "before " : "after ") + name(m));
            if (onCall_) onCall_(before, handled, result, h, m, user);
        });
    }

    HWnd window(int x = 0, int y = 0) {
        gui::CreateParams p;
        p.className = "Plain";
        p.style = gui::WS_VISIBLE;
        p.x = x, p.y = y, p.width = 50, p.height = 20;
        return ws_.createWindow(p);
    }
    static bool watched(MessageId m) {
        return m == kAsk || m == kNested || m == gui::WM_MOUSEMOVE || m == gui::WM_LBUTTONDOWN ||
               m == gui::WM_LBUTTONUP || m == gui::WM_MOUSELEAVE;
    }
    static std::string name(MessageId m) {
        switch (m) {
            case kAsk: return "ask";
            case kNested: return "nested";
            case gui::WM_MOUSEMOVE: return "move";
            case gui::WM_LBUTTONDOWN: return "down";
            case gui::WM_LBUTTONUP: return "up";
            case gui::WM_MOUSELEAVE: return "leave";
            default: return std::to_string(m);
        }
    }
    std::vector<std::string> log_;
    std::function<void()> whileAsked_;
    std::function<void(bool, bool&, LResult&, HWnd, MessageId, std::intptr_t&)> onCall_;
    std::unique_ptr<MessageHook> hook_;
};

TEST_F(HookTest, BeforeCallsMayAnswerInThePlaceOfTheProcedureAndAfterCallsSeeItsResult) {
    struct Case {
        const char* name;
        int when;
        bool answerBefore;
        LResult result;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"answered before", WHEN_BEFORE | WHEN_AFTER, true, 99, {"before ask"}},
        {"both, not answered", WHEN_BEFORE | WHEN_AFTER, false, 8, {"before ask", "proc ask", "after ask"}},
        {"after only", WHEN_AFTER, false, 8, {"proc ask", "after ask"}},
        {"before only", WHEN_BEFORE, false, 7, {"before ask", "proc ask"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HWnd h = window();
        ASSERT_TRUE(hook_->sc_Subclass(h));
        hook_->sc_AddMsg(h, kAsk, c.when);
        onCall_ = [&](bool before, bool& handled, LResult& result, HWnd, MessageId, std::intptr_t&) {
            if (before && c.answerBefore) handled = true, result = 99;
            if (!before) result += 1;
        };
        log_.clear();
        EXPECT_EQ(ws_.sendMessage(h, kAsk), c.result);
        EXPECT_EQ(log_, c.log);
        hook_->sc_UnSubclass(h);
    }
    EXPECT_TRUE(logged().empty());
}

// Input from the pointer reaches the hook through the window's chain, in the order it came.
TEST_F(HookTest, RealInputReachesTheTablesInOrder) {
    const HWnd a = window(0, 0), b = window(100, 0);
    ASSERT_TRUE(hook_->sc_Subclass(a));
    ASSERT_TRUE(hook_->sc_Subclass(b));
    hook_->sc_AddMsg(a, ALL_MESSAGES, WHEN_BEFORE);
    hook_->sc_AddMsg(b, gui::WM_LBUTTONUP, WHEN_AFTER);
    ws_.mouseMoveTo({10, 10});
    ws_.mouseButtonDown(gui::MouseButton::Left);
    ws_.mouseButtonUp(gui::MouseButton::Left);
    ws_.mouseMoveTo({110, 10});
    ws_.mouseButtonDown(gui::MouseButton::Left);
    ws_.mouseButtonUp(gui::MouseButton::Left);
    ws_.doEvents();
    EXPECT_EQ(log_, (std::vector<std::string>{"before move", "proc move", "before down", "proc down", "before up",
                                              "proc up", "proc move", "proc down", "proc up", "after up"}));
}

// Unhooked while the window's procedure runs (here from the after call of a message the
// procedure sent itself), the hook stays in the chain until that outermost call returns; then
// the window is its own again and the outer message has no after call.
TEST_F(HookTest, UnhookingInsideAHandlerReleasesAtTheOutermostReturn) {
    const HWnd h = window();
    ASSERT_TRUE(hook_->sc_Subclass(h));
    hook_->sc_AddMsg(h, kAsk, WHEN_AFTER);
    hook_->sc_AddMsg(h, kNested, WHEN_AFTER);
    const std::shared_ptr<SubclassBlock> block = hook_->zMap_hWnd(h);
    bool releasedInside = true;
    whileAsked_ = [&] { ws_.sendMessage(h, kNested); };
    onCall_ = [&](bool, bool&, LResult&, HWnd, MessageId m, std::intptr_t&) {
        if (m != kNested) return;
        hook_->sc_UnSubclass(h);
        releasedInside = block->released;
    };
    EXPECT_EQ(ws_.sendMessage(h, kAsk), 7);
    EXPECT_EQ(log_, (std::vector<std::string>{"proc ask", "proc nested", "after nested"}));
    EXPECT_FALSE(releasedInside) << "the outer call of the procedure was still under way";
    EXPECT_TRUE(block->released);
    EXPECT_FALSE(hook_->isHooked(h));

    log_.clear();
    whileAsked_ = nullptr;
    ws_.sendMessage(h, kAsk);
    EXPECT_EQ(log_, (std::vector<std::string>{"proc ask"}));
    EXPECT_TRUE(logged().empty());
}

// With no call of the procedure under way, unhooking releases at once: no message need come.
TEST_F(HookTest, UnhookingOutsideAnyMessageReleasesAtOnce) {
    const HWnd h = window();
    ASSERT_TRUE(hook_->sc_Subclass(h));
    const std::shared_ptr<SubclassBlock> block = hook_->zMap_hWnd(h);
    hook_->sc_UnSubclass(h);
    EXPECT_TRUE(block->released);
    // The window can be hooked afresh.
    EXPECT_TRUE(hook_->sc_Subclass(h));
}

TEST_F(HookTest, TheHandlerIsNotCalledOnceTheHookIsGone) {
    const HWnd h = window();
    ASSERT_TRUE(hook_->sc_Subclass(h));
    hook_->sc_AddMsg(h, kAsk, WHEN_AFTER);
    whileAsked_ = [&] { hook_.reset(); };
    EXPECT_EQ(ws_.sendMessage(h, kAsk), 7);
    EXPECT_EQ(log_, (std::vector<std::string>{"proc ask"}));
    whileAsked_ = nullptr;
    ws_.sendMessage(h, kAsk);
    EXPECT_EQ(log_, (std::vector<std::string>{"proc ask", "proc ask"}));
}

TEST_F(HookTest, MessageTables) {
    constexpr MessageId A = 0x200, B = 0x201, C = 0x202, D = 0x203;
    const std::string overflow =
        "isButton.zAddMsg: Message table overflow. Either increase the value of Const MSG_ENTRIES or use "
        "ALL_MESSAGES instead of specific message values";
    auto fill = [](MessageHook& hook, MessageTable& t) {
        for (MessageId m = 1; m <= MessageId(MSG_ENTRIES); ++m) hook.zAddMsg(0x1000 + m, t);
    };
    struct Case {
        const char* name;
        std::function<void(MessageHook&, MessageTable&)> ops;
        int count;
        std::vector<MessageId> slots;  // the first slots, as far as given
        std::vector<std::string> errors;
    };
    const Case cases[] = {
        {"added twice, stored once", [&](MessageHook& h, MessageTable& t) { h.zAddMsg(A, t), h.zAddMsg(A, t); }, 1, {A}, {}},
        {"a deleted slot is reused before the count grows",
         [&](MessageHook& h, MessageTable& t) { h.zAddMsg(A, t), h.zAddMsg(B, t), h.zAddMsg(C, t), h.zDelMsg(B, t), h.zAddMsg(D, t); },
         3, {A, D, C}, {}},
        {"a message behind a deleted slot is not stored again",
         [&](MessageHook& h, MessageTable& t) { h.zAddMsg(A, t), h.zAddMsg(B, t), h.zAddMsg(C, t), h.zDelMsg(B, t), h.zAddMsg(C, t); },
         3, {A, 0, C}, {}},
        {"the 33rd distinct message is refused",
         [&](MessageHook& h, MessageTable& t) { fill(h, t), h.zAddMsg(A, t); }, MSG_ENTRIES, {0x1001}, {overflow}},
        {"a full table takes a message it holds",
         [&](MessageHook& h, MessageTable& t) { fill(h, t), h.zAddMsg(0x1005, t); }, MSG_ENTRIES, {0x1001}, {}},
        {"a full table reuses a deleted slot",
         [&](MessageHook& h, MessageTable& t) { fill(h, t), h.zDelMsg(0x1002, t), h.zAddMsg(A, t); }, MSG_ENTRIES,
         {0x1001, A, 0x1003}, {}},
        {"every message, then one more, is still every message",
         [&](MessageHook& h, MessageTable& t) { h.zAddMsg(A, t), h.zAddMsg(ALL_MESSAGES, t), h.zAddMsg(B, t); }, -1, {A}, {}},
        {"deleting every message empties the table",
         [&](MessageHook& h, MessageTable& t) { h.zAddMsg(ALL_MESSAGES, t), h.zDelMsg(ALL_MESSAGES, t); }, 0, {}, {}},
        {"deleting a message not held changes nothing",
         [&](MessageHook& h, MessageTable& t) { h.zAddMsg(A, t), h.zDelMsg(0x1234, t); }, 1, {A},
         {"isButton.zDelMsg: Message &H1234 not found in table"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        events_.entries.clear();
        MessageTable t;
        c.ops(*hook_, t);
        EXPECT_EQ(t.count, c.count);
        for (std::size_t i = 0; i < c.slots.size(); ++i) EXPECT_EQ(t.slots[i], c.slots[i]) << "slot " << i;
        EXPECT_EQ(logged(), c.errors);
    }
    MessageTable every;
    hook_->zAddMsg(ALL_MESSAGES, every);
    EXPECT_TRUE(every.holds(gui::WM_PAINT));
    MessageTable some;
    hook_->zAddMsg(A, some);
    hook_->zAddMsg(B, some);
    hook_->zDelMsg(A, some);
    EXPECT_FALSE(some.holds(A));
    EXPECT_TRUE(some.holds(B));
    EXPECT_FALSE(some.holds(0)) << "a deleted slot holds no message";
}

TEST_F(HookTest, HookingFailsWithItsOwnEntryAndLeavesNoHook) {
    struct Case {
        const char* name;
        std::function<HWnd(MessageHook&)> prepare;  // gives the window to hook
        std::string error;
    };
    const Case cases[] = {
        {"no window", [](MessageHook&) { return HWnd(0); }, "isButton.sc_Subclass: Invalid window handle"},
        {"a destroyed window",
         [this](MessageHook&) {
             const HWnd h = window();
             ws_.destroyWindow(h);
             return h;
         },
         "isButton.sc_Subclass: Invalid window handle"},
        {"another process's window",
         [this](MessageHook& hook) {
             hook.calls().processOf = [](HWnd) { return gui::WindowSystem::currentProcessId() + 1; };
             return window();
         },
         "isButton.sc_Subclass: Window handle belongs to another process"},
        {"hooked already",
         [this](MessageHook& hook) {
             const HWnd h = window();
             hook.sc_Subclass(h);
             return h;
         },
         "isButton.sc_Subclass: Window handle is already subclassed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MessageHook hook("isButton", [](bool, bool&, LResult&, HWnd, MessageId, WParam, LParam, std::intptr_t&) {});
        const HWnd h = c.prepare(hook);
        events_.entries.clear();
        EXPECT_FALSE(hook.sc_Subclass(h));
        EXPECT_EQ(logged(), std::vector<std::string>{c.error});
    }

    MessageHook noHandler("isButton", {});
    EXPECT_FALSE(noHandler.sc_Subclass(window()));
    EXPECT_EQ(logged().back(), "isButton.sc_Subclass: Callback method not found");
}

// A window the window system refuses to hook leaves no entry behind: hooking it again later
// works, and nothing claims it is hooked.
TEST_F(HookTest, ARefusedHookLeavesNoRegistryEntry) {
    const HWnd h = window();
    hook_->calls().install = [](HWnd, std::uintptr_t, gui::SubclassProc) { return false; };
    EXPECT_FALSE(hook_->sc_Subclass(h));
    EXPECT_EQ(logged(), std::vector<std::string>{"isButton.sc_Subclass: SetWindowLong failed, error #0"});
    EXPECT_FALSE(hook_->isHooked(h));

    hook_->calls().install = [this](HWnd w, std::uintptr_t id, gui::SubclassProc proc) {
        return ws_.setWindowSubclass(w, id, std::move(proc));
    };
    EXPECT_TRUE(hook_->sc_Subclass(h));
    hook_->sc_AddMsg(h, kAsk, WHEN_AFTER);
    ws_.sendMessage(h, kAsk);
    EXPECT_EQ(log_, (std::vector<std::string>{"proc ask", "after ask"}));
}

TEST_F(HookTest, OperationsOnWindowsNotHookedWriteTheirEntries) {
    const HWnd h = window();
    hook_->sc_UnSubclass(h);
    hook_->sc_AddMsg(h, kAsk, WHEN_AFTER);
    EXPECT_EQ(logged(), (std::vector<std::string>{"isButton.sc_UnSubclass: Window handle isn't subclassed",
                                                  "isButton.zMap_hWnd: Subclassing hasn't been started"}));
    events_.entries.clear();
    hook_->sc_Subclass(window());
    hook_->sc_DelMsg(h, kAsk, WHEN_BEFORE);
    EXPECT_EQ(hook_->sc_lParamUserGet(h), 0);
    EXPECT_EQ(logged(), (std::vector<std::string>{"isButton.zMap_hWnd: Window handle isn't subclassed",
                                                  "isButton.zMap_hWnd: Window handle isn't subclassed"}));
}

TEST_F(HookTest, UserValueAndTheOriginalProcedure) {
    const HWnd h = window();
    ASSERT_TRUE(hook_->sc_Subclass(h, 41));
    EXPECT_EQ(hook_->sc_lParamUserGet(h), 41);
    hook_->sc_lParamUserLet(h, 42);
    hook_->sc_AddMsg(h, kAsk, WHEN_BEFORE);
    std::intptr_t seen = 0;
    onCall_ = [&](bool, bool&, LResult&, HWnd, MessageId, std::intptr_t& user) { seen = user; };
    ws_.sendMessage(h, kAsk);
    EXPECT_EQ(seen, 42);
    log_.clear();
    EXPECT_EQ(hook_->sc_CallOrigWndProc(h, kAsk, 0, 0), 7);
    EXPECT_EQ(log_, (std::vector<std::string>{"proc ask"})) << "past the hook";
}

TEST_F(HookTest, TerminateReleasesEveryWindow) {
    std::vector<std::shared_ptr<SubclassBlock>> blocks;
    for (int i = 0; i < 3; ++i) {
        const HWnd h = window();
        ASSERT_TRUE(hook_->sc_Subclass(h));
        hook_->sc_AddMsg(h, kAsk, WHEN_AFTER);
        blocks.push_back(hook_->zMap_hWnd(h));
    }
    hook_->sc_Terminate();
    for (const auto& b : blocks) {
        EXPECT_TRUE(b->released);
        ws_.sendMessage(b->hwnd, kAsk);
    }
    EXPECT_EQ(log_, (std::vector<std::string>{"proc ask", "proc ask", "proc ask"}));
    hook_->sc_AddMsg(blocks[0]->hwnd, kAsk, WHEN_AFTER);
    EXPECT_EQ(logged(), std::vector<std::string>{"isButton.zMap_hWnd: Subclassing hasn't been started"});
}

}  // namespace
}  // namespace qv::controls
