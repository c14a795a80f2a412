#pragma once
// The basic value types of the window system: handles, message parameters, points and
// rectangles. Handles are small positive numbers, never reused within a run, so a stale handle
// never reaches a newer window.
#include <cstdint>
#include <functional>

namespace qv::gui {

using HWnd = std::int32_t;       // 0: no window
using MessageId = std::uint32_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

// Stand-ins for the drawing library's point and rectangle until it is connected; same shape.
struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Left and top inside, right and bottom outside.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int64_t width() const { return int64_t(right) - left; }
    int64_t height() const { return int64_t(bottom) - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(int32_t x, int32_t y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
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
