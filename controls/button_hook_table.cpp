// The hook's message tables.
#include <algorithm>

#include "controls/button_hook.h"
#include "platform/base/convert.h"

namespace qv::controls {

namespace {
constexpr int kEvery = -1;
}

bool MessageTable::holds(gui::MessageId msg) const {
    if (count == kEvery) return true;
    if (msg == 0) return false;  // a deleted slot holds no message
    const auto used = slots.begin() + std::max(count, 0);
    return std::find(slots.begin(), used, msg) != used;
}

void MessageHook::zAddMsg(gui::MessageId msg, MessageTable& table) {
    if (msg == ALL_MESSAGES) {
        table.count = kEvery;
        return;
    }
    if (table.count == kEvery) return;
    const auto used = table.slots.begin() + table.count;
    if (std::find(table.slots.begin(), used, msg) != used) return;
    auto freed = std::find(table.slots.begin(), used, gui::MessageId{0});
    if (freed != used) {
        *freed = msg;
        return;
    }
    if (table.count >= MSG_ENTRIES) {
        zError("zAddMsg",
               "Message table overflow. Either increase the value of Const MSG_ENTRIES or use ALL_MESSAGES "
               "instead of specific message values");
        return;
    }
    table.slots[std::size_t(table.count++)] = msg;
}

void MessageHook::zDelMsg(gui::MessageId msg, MessageTable& table) {
    if (msg == ALL_MESSAGES) {
        table.count = 0;
        return;
    }
    const auto used = table.slots.begin() + std::max(table.count, 0);
    auto it = std::find(table.slots.begin(), used, msg);
    if (it == used) {
        zError("zDelMsg", "Message &H" + base::Hex(msg) + " not found in table");
        return;
    }
    *it = 0;
}

}  // namespace qv::controls
