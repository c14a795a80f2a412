#pragma once
// The 32-pixel marks a message box shows by its style: 16 a red disc with a white cross, 32 a
// white balloon with a blue "?", 48 a yellow triangle with "!", 64 a white balloon with a blue
// "i".
#include "platform/gfx/device_context.h"

namespace qv::present {

inline constexpr int kMessageIconSize = 32;

// Nothing for an icon value other than 16, 32, 48 and 64.
void drawMessageIcon(gfx::DeviceContext& dc, int x, int y, int icon);

}  // namespace qv::present
