#pragma once
// The notification area: icons that windows put there with a tip, and the callback message
// each icon's window receives when the person points at or clicks the icon.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/gui/types.h"

namespace qv::gui {

class WindowSystem;

inline constexpr std::uint32_t NIM_ADD = 0;
inline constexpr std::uint32_t NIM_MODIFY = 1;
inline constexpr std::uint32_t NIM_DELETE = 2;
inline constexpr std::uint32_t NIF_MESSAGE = 1;
inline constexpr std::uint32_t NIF_ICON = 2;
inline constexpr std::uint32_t NIF_TIP = 4;

// What a call hands over; `flags` says which of the message, icon and tip count.
struct NotifyIconData {
    HWnd hwnd = 0;
    std::uint32_t id = 0;
    std::uint32_t flags = 0;
    MessageId callbackMessage = 0;
    std::intptr_t icon = 0;  // the icon picture's handle
    std::string tip;         // up to the first NUL; at most kMaxTip characters are kept
};

struct TrayIcon {
    HWnd hwnd = 0;
    std::uint32_t id = 0;
    MessageId callbackMessage = 0;  // 0: no callback
    std::intptr_t icon = 0;
    std::string tip;
};

class NotificationArea {
public:
    static constexpr std::size_t kMaxTip = 63;

    explicit NotificationArea(WindowSystem& ws) : ws_(ws) {}

    // NIM_ADD (false for a dead window or an icon that is there already), NIM_MODIFY and
    // NIM_DELETE (false for an icon that is not there).
    bool notifyIcon(std::uint32_t message, const NotifyIconData& data);

    const std::vector<TrayIcon>& icons() const { return icons_; }
    std::optional<TrayIcon> icon(HWnd hwnd, std::uint32_t id) const;

    // The person acts on an icon: posts its callback message to its window with wParam = the
    // icon id and lParam = the mouse message (WM_MOUSEMOVE, WM_LBUTTONDOWN, ...).
    bool pointerEvent(HWnd hwnd, std::uint32_t id, MessageId mouseMessage);

    // A destroyed window's icons leave with it.
    void removeWindow(HWnd hwnd);

private:
    static void apply(TrayIcon& icon, const NotifyIconData& data);
    void changed();

    WindowSystem& ws_;
    std::vector<TrayIcon> icons_;
};

}  // namespace qv::gui
