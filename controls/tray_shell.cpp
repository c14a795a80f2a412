#include "controls/tray_shell.h"

#include "platform/gui/window_system.h"

namespace qv::controls {

bool TrayShell::notifyIcon(std::uint32_t message, const gui::NotifyIconData& data) {
    return gui::windows().notificationArea().notifyIcon(message, data);
}

TrayShell& trayShell() {
    static TrayShell shell;
    return gui::Service<TrayShell>::get(shell);
}

bool Shell_NotifyIcon(std::uint32_t message, const gui::NotifyIconData& data) {
    return trayShell().notifyIcon(message, data);
}

}  // namespace qv::controls
