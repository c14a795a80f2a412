#pragma once
// Where a message box puts its parts: the icon at the upper left, the text beside it wrapped
// at a sensible width, and a row of 75 by 23 buttons centred below.
#include <string>
#include <vector>

#include "platform/forms/msgbox.h"
#include "platform/gfx/font.h"
#include "platform/gfx/geometry.h"

namespace qv::present {

struct MessageBoxLayout {
    int width = 0;  // the client area
    int height = 0;
    gfx::Rect icon;  // empty without an icon
    gfx::Rect text;
    struct Button {
        int answer;           // vbOK, vbYes...
        std::string caption;  // with "&" before the key that presses it
        gfx::Rect rect;
    };
    std::vector<Button> buttons;
};

inline const gfx::Font kMessageBoxFont{"MS Sans Serif", 8.25};

MessageBoxLayout layoutMessageBox(const forms::MessageBoxRequest& r);
// The caption of each answer's button.
std::string buttonCaption(int answer);
// The answer Escape and the close box give: Cancel when there is one, OK when it is the only
// button; 0 when the box must be answered by a button.
int escapeAnswer(const forms::MessageBoxRequest& r);

}  // namespace qv::present
