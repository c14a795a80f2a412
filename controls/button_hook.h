#pragma once
// The per-window message hook of isButton: a link in a window's subclass chain that hands the
// messages of its two tables to a handler, before the window's previous procedure runs (and
// may answer them in its place) and after it (seeing and perhaps changing its result).
//
//   MessageHook hook("isButton", handler);
//   hook.sc_Subclass(hwnd);
//   hook.sc_AddMsg(hwnd, WM_MOUSEMOVE, WHEN_AFTER);
//
// The hook keeps a registry of the windows it hooked, one SubclassBlock each. A window is
// released from its hook at once when no call of its previous procedure is under way, else as
// the outermost such call returns; the handler is called only while the hook lives. Failures
// are reported only as one error entry in the application event log ("isButton.<routine>:
// <message>"); the failing operation changes nothing further.
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/gui/types.h"
#include "platform/gui/window_system.h"

namespace qv::controls {

inline constexpr int MSG_ENTRIES = 32;
// In a table: every message. As a table's count: -1.
inline constexpr gui::MessageId ALL_MESSAGES = static_cast<gui::MessageId>(-1);
inline constexpr int WHEN_BEFORE = 1;
inline constexpr int WHEN_AFTER = 2;

// The messages a hook hands on at one moment: a count and MSG_ENTRIES slots. Count 0 means no
// message, -1 every message; a slot holding 0 was deleted and is taken by the next add.
struct MessageTable {
    int count = 0;
    std::array<gui::MessageId, MSG_ENTRIES> slots{};
    bool holds(gui::MessageId msg) const;
};

// The handler of a hook: before (true before the previous procedure, false after it), handled
// (set it before to answer the message in the procedure's place), the result (the procedure's,
// after), the message, and the window's user value.
using SubclassHandler = std::function<void(bool before, bool& handled, gui::LResult& result, gui::HWnd hwnd,
                                           gui::MessageId msg, gui::WParam wParam, gui::LParam lParam,
                                           std::intptr_t& user)>;

// One hooked window.
struct SubclassBlock {
    int inUse = 0;  // calls of the previous procedure under way through the hook
    bool releaseRequested = false;
    bool released = false;
    gui::HWnd hwnd = 0;
    gui::WindowSystem* ws = nullptr;
    std::weak_ptr<const bool> owner;  // expires with the hook
    SubclassHandler handler;
    MessageTable before;
    MessageTable after;
    std::intptr_t user = 0;
};

class MessageHook {
public:
    // ownerName names the owner in the event log; ownHandler serves every window hooked without
    // a handler of its own.
    MessageHook(std::string ownerName, SubclassHandler ownHandler);
    ~MessageHook();
    MessageHook(const MessageHook&) = delete;
    MessageHook& operator=(const MessageHook&) = delete;

    // Hooks the window; false, with an error entry, for a window that does not exist, that
    // belongs to another process or is hooked already, without a handler, or when the window
    // system refuses the link.
    bool sc_Subclass(gui::HWnd hwnd, std::intptr_t user = 0, SubclassHandler handler = {});
    // Empties the window's tables and releases it (at once, or as the outermost call of its
    // previous procedure returns), and forgets it.
    void sc_UnSubclass(gui::HWnd hwnd);
    // sc_UnSubclass of every window hooked, the last hooked first; then the registry goes.
    void sc_Terminate();
    // zAddMsg / zDelMsg on the tables `when` selects (WHEN_BEFORE, WHEN_AFTER or both).
    void sc_AddMsg(gui::HWnd hwnd, gui::MessageId msg, int when);
    void sc_DelMsg(gui::HWnd hwnd, gui::MessageId msg, int when);
    // The window's own procedure with the message, past every link; 0 for a window not hooked.
    gui::LResult sc_CallOrigWndProc(gui::HWnd hwnd, gui::MessageId msg, gui::WParam w, gui::LParam l);
    std::intptr_t sc_lParamUserGet(gui::HWnd hwnd);
    void sc_lParamUserLet(gui::HWnd hwnd, std::intptr_t value);

    // A message into a table, stored once: a slot already holding it ends the add, else the
    // first deleted slot or the next one takes it; ALL_MESSAGES makes the table take every
    // message, and a table taking every message stays so. A 33rd distinct message is refused.
    void zAddMsg(gui::MessageId msg, MessageTable& table);
    // Deletes the first slot holding the message; ALL_MESSAGES empties the table.
    void zDelMsg(gui::MessageId msg, MessageTable& table);
    // The window's block; nullptr (with an error entry) before the first hook or for a window
    // not hooked.
    std::shared_ptr<SubclassBlock> zMap_hWnd(gui::HWnd hwnd);
    // One error entry: "<owner>.<routine>: <message>".
    void zError(std::string_view routine, std::string_view message) const;

    // Whether the window is hooked, without an error entry.
    bool isHooked(gui::HWnd hwnd) const;

    // The window-system calls that may refuse: a test replaces them to see the refusals.
    struct Calls {
        std::function<int(gui::HWnd)> processOf;
        std::function<int()> currentProcess;
        std::function<bool(gui::HWnd, std::uintptr_t, gui::SubclassProc)> install;
    };
    Calls& calls() { return calls_; }

private:
    using Registry = std::vector<std::pair<std::string, std::shared_ptr<SubclassBlock>>>;
    static std::string keyOf(gui::HWnd hwnd);
    Registry::iterator entryOf(gui::HWnd hwnd);
    Registry::const_iterator entryOf(gui::HWnd hwnd) const;

    std::string ownerName_;
    SubclassHandler ownHandler_;
    gui::WindowSystem* ws_;
    std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
    std::optional<Registry> registry_;  // made at the first hook
    Calls calls_;
};

}  // namespace qv::controls
