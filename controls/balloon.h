#pragma once
// modBalloon: balloon-shaped tooltips for the controls of one window. A window makes one balloon
// window for itself with CreateBalloon, then gives each control its tip with AddBalloonTip; the
// tips go to the balloon window made last. A balloon window belongs to its owner window and goes
// with it; the module never destroys one.
#include <string>

#include "platform/gui/types.h"

namespace qv::controls {

// Makes a topmost balloon tooltip window owned by hWndOwner and keeps it, with its owner, as the
// one later tips go to. When no window can be made, the balloon made before stays in use.
void CreateBalloon(gui::HWnd hWndOwner);
// Gives the control window hWnd the tip Text over its whole client area as it is now, on the
// balloon window made last; nothing before the first CreateBalloon.
void AddBalloonTip(gui::HWnd hWnd, const std::string& Text);

// The module's two variables: the balloon window made last and its owner (0 before any).
gui::HWnd BalloonWindow();
gui::HWnd BalloonOwner();
// Forgets them, as a new run starts with none (a new window system in tests).
void ResetBalloon();

}  // namespace qv::controls
