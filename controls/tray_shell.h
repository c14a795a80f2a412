#pragma once
// The shell's side of the notification area as the tray-icon control calls it: one call per
// add, modify or delete. By default it goes to the window system's notification area; a test
// installs a recorder to see every call in order.
#include <cstdint>

#include "platform/gui/notification_area.h"
#include "platform/gui/service.h"

namespace qv::controls {

class TrayShell {
public:
    virtual ~TrayShell() = default;
    // NIM_ADD, NIM_MODIFY or NIM_DELETE with the record; true when the shell took it.
    virtual bool notifyIcon(std::uint32_t message, const gui::NotifyIconData& data);
};

TrayShell& trayShell();
using ScopedTrayShell = gui::ScopedService<TrayShell>;

// Shell_NotifyIconA.
bool Shell_NotifyIcon(std::uint32_t message, const gui::NotifyIconData& data);

}  // namespace qv::controls
