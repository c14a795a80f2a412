#include "engine/ui_hooks.h"

#include <utility>

namespace qv::engine {

namespace {
DoEventsHandler& doEventsHandler() {
    static DoEventsHandler h;
    return h;
}
MsgBoxHandler& msgBoxHandler() {
    static MsgBoxHandler h;
    return h;
}
}  // namespace

void setDoEventsHandler(DoEventsHandler handler) { doEventsHandler() = std::move(handler); }
void setMsgBoxHandler(MsgBoxHandler handler) { msgBoxHandler() = std::move(handler); }

void DoEvents() {
    // A copy, so a handler that replaces itself while it runs stays alive until it returns.
    if (DoEventsHandler h = doEventsHandler()) h();
}

int MsgBox(std::string_view text, int style, std::string_view title) {
    MsgBoxHandler h = msgBoxHandler();
    if (!h) return kIdOk;
    return h(std::string(text), std::string(title), style);
}

}  // namespace qv::engine
