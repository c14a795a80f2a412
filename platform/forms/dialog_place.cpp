#include "platform/forms/dialog_place.h"

#include <algorithm>

#include "platform/forms/form.h"
#include "platform/forms/types.h"
#include "platform/gui/window_system.h"

namespace qv::forms {

void placeDialog(Form& dialog, int clientWidth, int clientHeight) {
    constexpr int kTw = kTwipsPerPixel;
    const int w = clientWidth + 2 * dialog.borderPixels();
    const int h = clientHeight + 2 * dialog.borderPixels() + dialog.captionPixels();
    gui::WindowSystem& ws = gui::windows();
    gui::Rect over = ws.windowRect(ws.activeWindow());
    if (over.isEmpty()) over = {0, 0, 640, 480};
    const int left = over.left + (int(over.width()) - w) / 2;
    const int top = over.top + (int(over.height()) - h) / 2;
    dialog.Move(std::max(0, left) * kTw, std::max(0, top) * kTw, w * kTw, h * kTw);
}

}  // namespace qv::forms
