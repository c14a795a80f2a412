#include "platform/gui/notification_area.h"

#include <algorithm>

#include "platform/gui/window_observer.h"
#include "platform/gui/window_system.h"

namespace qv::gui {

void NotificationArea::apply(TrayIcon& icon, const NotifyIconData& data) {
    if (data.flags & NIF_MESSAGE) icon.callbackMessage = data.callbackMessage;
    if (data.flags & NIF_ICON) icon.icon = data.icon;
    if (data.flags & NIF_TIP) {
        std::string tip = data.tip.substr(0, data.tip.find('\0'));
        if (tip.size() > kMaxTip) tip.resize(kMaxTip);
        icon.tip = std::move(tip);
    }
}

bool NotificationArea::notifyIcon(std::uint32_t message, const NotifyIconData& data) {
    auto it = std::find_if(icons_.begin(), icons_.end(), [&](const TrayIcon& i) {
        return i.hwnd == data.hwnd && i.id == data.id;
    });
    switch (message) {
        case NIM_ADD: {
            if (it != icons_.end() || !ws_.isWindow(data.hwnd)) return false;
            TrayIcon icon;
            icon.hwnd = data.hwnd;
            icon.id = data.id;
            apply(icon, data);
            icons_.push_back(std::move(icon));
            changed();
            return true;
        }
        case NIM_MODIFY:
            if (it == icons_.end()) return false;
            apply(*it, data);
            changed();
            return true;
        case NIM_DELETE:
            if (it == icons_.end()) return false;
            icons_.erase(it);
            changed();
            return true;
        default:
            return false;
    }
}

std::optional<TrayIcon> NotificationArea::icon(HWnd hwnd, std::uint32_t id) const {
    for (const auto& i : icons_) {
        if (i.hwnd == hwnd && i.id == id) return i;
    }
    return std::nullopt;
}

bool NotificationArea::pointerEvent(HWnd hwnd, std::uint32_t id, MessageId mouseMessage) {
    auto i = icon(hwnd, id);
    if (!i || i->callbackMessage == 0) return false;
    return ws_.postMessage(hwnd, i->callbackMessage, WParam(id), LParam(mouseMessage));
}

void NotificationArea::changed() {
    if (WindowObserver* o = ws_.observer()) o->notificationAreaChanged();
}

void NotificationArea::removeWindow(HWnd hwnd) {
    if (std::erase_if(icons_, [&](const TrayIcon& i) { return i.hwnd == hwnd; }) != 0) changed();
}

}  // namespace qv::gui
