// Keysyms to virtual-key codes.
#include "platform/present/x11/key_map.h"

#include <gtest/gtest.h>

#include "platform/gui/messages.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {
namespace {

TEST(KeyMapTest, KeysymsGiveTheVirtualKeyCodesOfTheirKeys) {
    struct Case {
        unsigned long keysym;
        int vk;
    };
    const Case cases[] = {
        {XK_a, 'A'},           {XK_z, 'Z'},          {XK_A, 'A'},          {XK_0, '0'},
        {XK_9, '9'},           {XK_F1, 0x70},        {XK_F12, 0x7B},       {XK_KP_5, 0x65},
        {XK_Return, gui::VK_RETURN}, {XK_KP_Enter, gui::VK_RETURN}, {XK_ISO_Left_Tab, gui::VK_TAB},
        {XK_Escape, gui::VK_ESCAPE}, {XK_Shift_R, gui::VK_SHIFT},   {XK_Control_L, gui::VK_CONTROL},
        {XK_Alt_L, gui::VK_MENU},    {XK_Delete, gui::VK_DELETE},   {XK_Down, gui::VK_DOWN},
        {XK_comma, 0xBC},      {XK_apostrophe, 0xDE}, {XK_dead_acute, 0}, {XK_Multi_key, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(virtualKeyOf(c.keysym), c.vk) << std::hex << c.keysym;
}

}  // namespace
}  // namespace qv::present::x11
