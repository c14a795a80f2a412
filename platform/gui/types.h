#pragma once
// The basic value types of the window system: handles, message parameters, points and
// rectangles. Handles are small positive numbers, never reused within a run, so a stale handle
// never reaches a newer window.
#include <cstdint>
#include <functional>

#include "platform/gfx/geometry.h"

namespace qv::gui {

using HWnd = std::int32_t;       // 0: no window
using MessageId = std::uint32_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

// Points and rectangles in pixels, as the drawing library keeps them.
using Point = gfx::Point;
using Rect = gfx::Rect;

// The frame of a window around its client area, in pixels on each side.
struct Insets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Insets&, const Insets&) = default;
};

// A window procedure: what a window does with one message.
using WndProc = std::function<LResult(HWnd, MessageId, WParam, LParam)>;

// The two 16-bit halves of a message parameter, as mouse and size messages pack them.
constexpr LParam makeLParam(int low, int high) {
    return static_cast<LParam>(static_cast<std::uint32_t>(static_cast<std::uint16_t>(low)) |
                               (static_cast<std::uint32_t>(static_cast<std::uint16_t>(high)) << 16));
}
constexpr int loWord(std::uintptr_t v) { return static_cast<int>(v & 0xFFFF); }
constexpr int hiWord(std::uintptr_t v) { return static_cast<int>((v >> 16) & 0xFFFF); }
// Signed coordinates of a mouse message.
constexpr int xOf(LParam l) { return static_cast<std::int16_t>(l & 0xFFFF); }
constexpr int yOf(LParam l) { return static_cast<std::int16_t>((l >> 16) & 0xFFFF); }

}  // namespace qv::gui
