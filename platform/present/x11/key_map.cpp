#include "platform/present/x11/key_map.h"

#include <algorithm>
#include <iterator>

#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {
namespace {

struct KeyCode {
    unsigned long keysym;
    int vk;
};

// Keys that are neither letters, digits, function keys nor the keypad's digits.
constexpr KeyCode kKeys[] = {
    {XK_BackSpace, 0x08}, {XK_Tab, 0x09},        {XK_ISO_Left_Tab, 0x09}, {XK_Return, 0x0D},
    {XK_KP_Enter, 0x0D},  {XK_Shift_L, 0x10},    {XK_Shift_R, 0x10},      {XK_Control_L, 0x11},
    {XK_Control_R, 0x11}, {XK_Alt_L, 0x12},      {XK_Alt_R, 0x12},        {XK_Pause, 0x13},
    {XK_Caps_Lock, 0x14}, {XK_Escape, 0x1B},     {XK_space, 0x20},        {XK_Prior, 0x21},
    {XK_Next, 0x22},      {XK_End, 0x23},        {XK_Home, 0x24},         {XK_Left, 0x25},
    {XK_Up, 0x26},        {XK_Right, 0x27},      {XK_Down, 0x28},         {XK_Insert, 0x2D},
    {XK_Delete, 0x2E},    {XK_KP_Delete, 0x2E},  {XK_KP_Home, 0x24},      {XK_KP_End, 0x23},
    {XK_KP_Left, 0x25},   {XK_KP_Up, 0x26},      {XK_KP_Right, 0x27},     {XK_KP_Down, 0x28},
    {XK_KP_Prior, 0x21},  {XK_KP_Next, 0x22},    {XK_KP_Insert, 0x2D},    {XK_KP_Multiply, 0x6A},
    {XK_KP_Add, 0x6B},    {XK_KP_Subtract, 0x6D}, {XK_KP_Decimal, 0x6E},  {XK_KP_Divide, 0x6F},
    {XK_Num_Lock, 0x90},  {XK_Scroll_Lock, 0x91}, {XK_Super_L, 0x5B},     {XK_Super_R, 0x5C},
    {XK_Menu, 0x5D},      {XK_semicolon, 0xBA},  {XK_equal, 0xBB},        {XK_comma, 0xBC},
    {XK_minus, 0xBD},     {XK_period, 0xBE},     {XK_slash, 0xBF},        {XK_grave, 0xC0},
    {XK_bracketleft, 0xDB}, {XK_backslash, 0xDC}, {XK_bracketright, 0xDD}, {XK_apostrophe, 0xDE},
};

}  // namespace

int virtualKeyOf(unsigned long keysym) {
    if (keysym >= XK_a && keysym <= XK_z) return int('A' + (keysym - XK_a));
    if (keysym >= XK_A && keysym <= XK_Z) return int(keysym);
    if (keysym >= XK_0 && keysym <= XK_9) return int(keysym);
    if (keysym >= XK_F1 && keysym <= XK_F24) return int(0x70 + (keysym - XK_F1));
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9) return int(0x60 + (keysym - XK_KP_0));
    auto it = std::find_if(std::begin(kKeys), std::end(kKeys), [&](const KeyCode& k) { return k.keysym == keysym; });
    return it == std::end(kKeys) ? 0 : it->vk;
}

}  // namespace qv::present::x11
