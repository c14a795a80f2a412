#include "controls/button_hook.h"

#include <algorithm>

#include "platform/gui/event_log.h"

namespace qv::controls {
namespace {

std::uintptr_t linkIdOf(const SubclassBlock& b) { return reinterpret_cast<std::uintptr_t>(&b); }

// Takes the hook out of the window's chain: the window's previous procedure is its own again.
void release(SubclassBlock& b) {
    if (b.released) return;
    b.released = true;
    b.ws->removeWindowSubclass(b.hwnd, linkIdOf(b));
}

bool callable(const SubclassBlock& b) { return !b.released && b.handler && !b.owner.expired(); }

// One message through the hook.
gui::LResult runHook(const std::shared_ptr<SubclassBlock>& b, gui::HWnd h, gui::MessageId m, gui::WParam w,
                     gui::LParam l) {
    gui::LResult result = 0;
    if (b->before.holds(m) && callable(*b)) {
        bool handled = false;
        b->handler(true, handled, result, h, m, w, l, b->user);
        if (handled) return result;
    }
    ++b->inUse;
    result = b->ws->defSubclassProc(h, m, w, l);
    --b->inUse;
    if (b->inUse == 0 && b->releaseRequested) {
        release(*b);
        return result;
    }
    if (b->after.holds(m) && callable(*b)) {
        bool handled = false;
        b->handler(false, handled, result, h, m, w, l, b->user);
    }
    return result;
}

}  // namespace

MessageHook::MessageHook(std::string ownerName, SubclassHandler ownHandler)
    : ownerName_(std::move(ownerName)), ownHandler_(std::move(ownHandler)), ws_(&gui::windows()) {
    calls_.processOf = [ws = ws_](gui::HWnd h) { return ws->processId(h); };
    calls_.currentProcess = [] { return gui::WindowSystem::currentProcessId(); };
    calls_.install = [ws = ws_](gui::HWnd h, std::uintptr_t id, gui::SubclassProc proc) {
        return ws->setWindowSubclass(h, id, std::move(proc));
    };
}

MessageHook::~MessageHook() {
    sc_Terminate();
    alive_.reset();
}

std::string MessageHook::keyOf(gui::HWnd hwnd) { return "h" + std::to_string(hwnd); }

MessageHook::Registry::iterator MessageHook::entryOf(gui::HWnd hwnd) {
    const std::string key = keyOf(hwnd);
    return std::find_if(registry_->begin(), registry_->end(), [&](const auto& e) { return e.first == key; });
}

MessageHook::Registry::const_iterator MessageHook::entryOf(gui::HWnd hwnd) const {
    const std::string key = keyOf(hwnd);
    return std::find_if(registry_->begin(), registry_->end(), [&](const auto& e) { return e.first == key; });
}

void MessageHook::zError(std::string_view routine, std::string_view message) const {
    gui::LogEvent(ownerName_ + "." + std::string(routine) + ": " + std::string(message), gui::vbLogEventTypeError);
}

bool MessageHook::sc_Subclass(gui::HWnd hwnd, std::intptr_t user, SubclassHandler handler) {
    constexpr std::string_view routine = "sc_Subclass";
    if (!ws_->isWindow(hwnd)) {
        zError(routine, "Invalid window handle");
        return false;
    }
    if (calls_.processOf(hwnd) != calls_.currentProcess()) {
        zError(routine, "Window handle belongs to another process");
        return false;
    }
    if (!handler) handler = ownHandler_;
    if (!handler) {
        zError(routine, "Callback method not found");
        return false;
    }
    if (!registry_) registry_.emplace();
    if (entryOf(hwnd) != registry_->end()) {
        zError(routine, "Window handle is already subclassed");
        return false;
    }
    auto block = std::make_shared<SubclassBlock>();
    block->hwnd = hwnd;
    block->ws = ws_;
    block->owner = alive_;
    block->handler = std::move(handler);
    block->user = user;
    registry_->emplace_back(keyOf(hwnd), block);
    const bool installed = calls_.install(hwnd, linkIdOf(*block),
                                          [block](gui::HWnd h, gui::MessageId m, gui::WParam w, gui::LParam l,
                                                  std::uintptr_t, std::intptr_t) { return runHook(block, h, m, w, l); });
    if (!installed) {
        // The window stays as it was, and so does the registry.
        registry_->erase(entryOf(hwnd));
        zError(routine, "SetWindowLong failed, error #0");
        return false;
    }
    return true;
}

void MessageHook::sc_UnSubclass(gui::HWnd hwnd) {
    if (!registry_) {
        zError("sc_UnSubclass", "Window handle isn't subclassed");
        return;
    }
    std::shared_ptr<SubclassBlock> b = zMap_hWnd(hwnd);
    if (!b) return;
    b->releaseRequested = true;
    b->before.count = 0;
    b->after.count = 0;
    if (b->inUse == 0) release(*b);
    registry_->erase(entryOf(hwnd));
}

void MessageHook::sc_Terminate() {
    if (!registry_) return;
    const Registry entries = *registry_;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        if (!it->second->released) sc_UnSubclass(it->second->hwnd);
    }
    registry_.reset();
}

void MessageHook::sc_AddMsg(gui::HWnd hwnd, gui::MessageId msg, int when) {
    std::shared_ptr<SubclassBlock> b = zMap_hWnd(hwnd);
    if (!b || b->released) return;
    if (when & WHEN_BEFORE) zAddMsg(msg, b->before);
    if (when & WHEN_AFTER) zAddMsg(msg, b->after);
}

void MessageHook::sc_DelMsg(gui::HWnd hwnd, gui::MessageId msg, int when) {
    std::shared_ptr<SubclassBlock> b = zMap_hWnd(hwnd);
    if (!b || b->released) return;
    if (when & WHEN_BEFORE) zDelMsg(msg, b->before);
    if (when & WHEN_AFTER) zDelMsg(msg, b->after);
}

gui::LResult MessageHook::sc_CallOrigWndProc(gui::HWnd hwnd, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    std::shared_ptr<SubclassBlock> b = zMap_hWnd(hwnd);
    if (!b || b->released) return 0;
    return gui::WindowSystem::callWindowProc(ws_->windowProc(hwnd), hwnd, msg, w, l);
}

std::intptr_t MessageHook::sc_lParamUserGet(gui::HWnd hwnd) {
    std::shared_ptr<SubclassBlock> b = zMap_hWnd(hwnd);
    return (b && !b->released) ? b->user : 0;
}

void MessageHook::sc_lParamUserLet(gui::HWnd hwnd, std::intptr_t value) {
    std::shared_ptr<SubclassBlock> b = zMap_hWnd(hwnd);
    if (b && !b->released) b->user = value;
}

std::shared_ptr<SubclassBlock> MessageHook::zMap_hWnd(gui::HWnd hwnd) {
    if (!registry_) {
        zError("zMap_hWnd", "Subclassing hasn't been started");
        return nullptr;
    }
    auto it = entryOf(hwnd);
    if (it == registry_->end()) {
        zError("zMap_hWnd", "Window handle isn't subclassed");
        return nullptr;
    }
    return it->second;
}

bool MessageHook::isHooked(gui::HWnd hwnd) const { return registry_ && entryOf(hwnd) != registry_->end(); }

}  // namespace qv::controls
