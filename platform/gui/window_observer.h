#pragma once
// What a presenter hears from the window system: changes of top-level windows, the pixels of
// their surfaces that changed, the notification area, the pointer's shape and the capture. A
// presenter shows top-level windows to a person from this and feeds input back in through
// WindowSystem's input functions. Calls arrive on the loop's thread, as the changes happen.
#include "platform/gfx/region.h"
#include "platform/gui/types.h"

namespace qv::gui {

// Which properties of a top-level window changed, as bits.
namespace change {
inline constexpr unsigned kCreated = 0x001;
inline constexpr unsigned kDestroyed = 0x002;
inline constexpr unsigned kShown = 0x004;
inline constexpr unsigned kHidden = 0x008;
inline constexpr unsigned kMoved = 0x010;
inline constexpr unsigned kSized = 0x020;
inline constexpr unsigned kRegion = 0x040;
inline constexpr unsigned kText = 0x080;
inline constexpr unsigned kZOrder = 0x100;  // its place in the z-order or the topmost band
inline constexpr unsigned kActivated = 0x200;
inline constexpr unsigned kStyle = 0x400;
}  // namespace change

class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    // `changes` holds the change:: bits. For kDestroyed the handle is still valid during the
    // call and dead after it.
    virtual void topLevelChanged(HWnd top, unsigned changes) = 0;
    // The pixels of the top-level window's surface changed within `area` (window coordinates).
    virtual void surfaceChanged(HWnd top, const gfx::Region& area) = 0;
    // An icon of the notification area was added, changed or removed.
    virtual void notificationAreaChanged() {}
    // The pointer's shape should now be this IDC_ value.
    virtual void cursorChanged(int /*cursor*/) {}
    // The window that captures the mouse (0: none).
    virtual void captureChanged(HWnd /*capture*/) {}
};

}  // namespace qv::gui
