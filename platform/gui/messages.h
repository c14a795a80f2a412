#pragma once
// Message numbers, key codes and the flag values that window procedures see. The numbers are
// the ones the program's window code uses, so a handler written against them reads as it stands.
#include "platform/gui/types.h"

namespace qv::gui {

// Window life, layout and state.
inline constexpr MessageId WM_NULL = 0x0000;
inline constexpr MessageId WM_CREATE = 0x0001;
inline constexpr MessageId WM_DESTROY = 0x0002;
inline constexpr MessageId WM_MOVE = 0x0003;
inline constexpr MessageId WM_SIZE = 0x0005;
inline constexpr MessageId WM_ACTIVATE = 0x0006;
inline constexpr MessageId WM_SETFOCUS = 0x0007;
inline constexpr MessageId WM_KILLFOCUS = 0x0008;
inline constexpr MessageId WM_ENABLE = 0x000A;
inline constexpr MessageId WM_PAINT = 0x000F;
inline constexpr MessageId WM_CLOSE = 0x0010;
inline constexpr MessageId WM_QUIT = 0x0012;
inline constexpr MessageId WM_SYSCOLORCHANGE = 0x0015;
inline constexpr MessageId WM_SHOWWINDOW = 0x0018;
inline constexpr MessageId WM_NCDESTROY = 0x0082;
inline constexpr MessageId WM_NCPAINT = 0x0085;

// Keyboard.
inline constexpr MessageId WM_KEYDOWN = 0x0100;
inline constexpr MessageId WM_KEYUP = 0x0101;
inline constexpr MessageId WM_CHAR = 0x0102;

inline constexpr MessageId WM_TIMER = 0x0113;

// Mouse, in client coordinates (lParam) with the button and key state (wParam).
inline constexpr MessageId WM_MOUSEMOVE = 0x0200;
inline constexpr MessageId WM_LBUTTONDOWN = 0x0201;
inline constexpr MessageId WM_LBUTTONUP = 0x0202;
inline constexpr MessageId WM_LBUTTONDBLCLK = 0x0203;
inline constexpr MessageId WM_RBUTTONDOWN = 0x0204;
inline constexpr MessageId WM_RBUTTONUP = 0x0205;
inline constexpr MessageId WM_RBUTTONDBLCLK = 0x0206;
inline constexpr MessageId WM_MBUTTONDOWN = 0x0207;
inline constexpr MessageId WM_MBUTTONUP = 0x0208;
inline constexpr MessageId WM_MBUTTONDBLCLK = 0x0209;
inline constexpr MessageId WM_MOUSEWHEEL = 0x020A;  // screen coordinates; delta in the high word
inline constexpr MessageId WM_CAPTURECHANGED = 0x0215;
inline constexpr MessageId WM_MOUSELEAVE = 0x02A3;
inline constexpr MessageId WM_THEMECHANGED = 0x031A;

inline constexpr MessageId WM_USER = 0x0400;
// The notification-area callback the tray icon asks for.
inline constexpr MessageId WM_TRAYCALLBACK = 0x0465;

// wParam of mouse messages.
inline constexpr WParam MK_LBUTTON = 0x0001;
inline constexpr WParam MK_RBUTTON = 0x0002;
inline constexpr WParam MK_SHIFT = 0x0004;
inline constexpr WParam MK_CONTROL = 0x0008;
inline constexpr WParam MK_MBUTTON = 0x0010;
inline constexpr int WHEEL_DELTA = 120;

// wParam of WM_ACTIVATE and WM_SIZE.
inline constexpr WParam WA_INACTIVE = 0;
inline constexpr WParam WA_ACTIVE = 1;
inline constexpr WParam SIZE_RESTORED = 0;

// Virtual key codes.
inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_DELETE = 0x2E;

// Window styles.
inline constexpr std::uint32_t WS_POPUP = 0x80000000u;
inline constexpr std::uint32_t WS_CHILD = 0x40000000u;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000u;
inline constexpr std::uint32_t WS_DISABLED = 0x08000000u;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000u;  // a title bar (WS_BORDER | WS_DLGFRAME)
inline constexpr std::uint32_t WS_BORDER = 0x00800000u;
inline constexpr std::uint32_t WS_DLGFRAME = 0x00400000u;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000u;
inline constexpr std::uint32_t WS_THICKFRAME = 0x00040000u;  // sizable
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000u;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000u;  // child windows
inline constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000u;  // top-level windows
inline constexpr std::uint32_t WS_EX_DLGMODALFRAME = 0x00000001u;
inline constexpr std::uint32_t WS_EX_TOPMOST = 0x00000008u;
inline constexpr std::uint32_t WS_EX_TOOLWINDOW = 0x00000080u;  // no taskbar entry; a small caption
inline constexpr std::uint32_t WS_EX_APPWINDOW = 0x00040000u;
// Never activated by a click: tooltips, balloon tips and popup menus. A presenter shows such a
// window without the window manager's frame or focus.
inline constexpr std::uint32_t WS_EX_NOACTIVATE = 0x08000000u;

// Pointer shapes for setWindowCursor.
inline constexpr int IDC_ARROW = 32512;
inline constexpr int IDC_IBEAM = 32513;
inline constexpr int IDC_WAIT = 32514;
inline constexpr int IDC_CROSS = 32515;
inline constexpr int IDC_SIZEALL = 32646;
inline constexpr int IDC_HAND = 32649;
inline constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000u);

// Places in the z-order for setWindowPos.
inline constexpr HWnd HWND_TOP = 0;
inline constexpr HWnd HWND_BOTTOM = 1;
inline constexpr HWnd HWND_TOPMOST = -1;
inline constexpr HWnd HWND_NOTOPMOST = -2;

inline constexpr std::uint32_t SWP_NOSIZE = 0x0001;
inline constexpr std::uint32_t SWP_NOMOVE = 0x0002;
inline constexpr std::uint32_t SWP_NOZORDER = 0x0004;
inline constexpr std::uint32_t SWP_NOACTIVATE = 0x0010;
inline constexpr std::uint32_t SWP_SHOWWINDOW = 0x0040;
inline constexpr std::uint32_t SWP_HIDEWINDOW = 0x0080;

// Relations for getWindow.
inline constexpr int GW_HWNDFIRST = 0;
inline constexpr int GW_HWNDLAST = 1;
inline constexpr int GW_HWNDNEXT = 2;
inline constexpr int GW_HWNDPREV = 3;
inline constexpr int GW_OWNER = 4;
inline constexpr int GW_CHILD = 5;

}  // namespace qv::gui
