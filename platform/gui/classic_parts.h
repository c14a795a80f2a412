#pragma once
// The building blocks of the classic look that several controls share: raised button faces,
// sunken fields, check-box and option-button marks, arrows, scroll bars and captions that show
// a disabled state by being embossed.
#include <string_view>

#include "platform/gfx/device_context.h"

namespace qv::gui {

// The colour of a system colour index.
gfx::Colour sys(int index);

// A push button's face: filled with the button face colour, a raised two-pixel border; pressed
// shows a sunken one instead. rc shrinks to the inside.
void drawButtonFace(gfx::DeviceContext& dc, gfx::Rect& rc, bool pressed = false);
// The two-pixel sunken border of a field (text box, list), rc shrinking to the inside.
void drawSunkenBorder(gfx::DeviceContext& dc, gfx::Rect& rc);

// The 13 by 13 box of a check box at (x, y): value 0 empty, 1 checked, 2 checked in grey on a
// grey field. A disabled box has a grey field and a grey mark.
void drawCheckMark(gfx::DeviceContext& dc, int x, int y, int value, bool enabled);
inline constexpr int kCheckSize = 13;
// The 12 by 12 round mark of an option button at (x, y).
void drawOptionMark(gfx::DeviceContext& dc, int x, int y, bool selected, bool enabled);
inline constexpr int kOptionSize = 12;

enum class Arrow { Up, Down, Left, Right };
// A small solid triangle centred in rc.
void drawArrow(gfx::DeviceContext& dc, const gfx::Rect& rc, Arrow dir, gfx::Colour c);

// A vertical scroll bar in rc (16 pixels wide): two arrow buttons, a dithered track and a thumb
// sized to the share of rows shown. first is the first row shown, of total rows, visible of
// which fit.
void drawVerticalScrollBar(gfx::DeviceContext& dc, const gfx::Rect& rc, int first, int total, int visible);
inline constexpr int kScrollBarSize = 16;
// Where that scroll bar's parts lie, so what is clicked is what shows: the arrow buttons and the
// thumb, which is empty when every row fits or the track is too short for one.
struct ScrollBarParts {
    gfx::Rect up, down, thumb;
};
ScrollBarParts verticalScrollBarParts(const gfx::Rect& rc, int first, int total, int visible);

// Text in rc with the drawText format; a disabled caption is drawn embossed (highlight one
// pixel down and right, then grey text). The background is left as it is.
void drawCaption(gfx::DeviceContext& dc, std::string_view text, gfx::Rect rc, unsigned format, gfx::Colour colour,
                 bool enabled);

// A dotted rectangle around rc, as the focus is shown.
void drawFocusRect(gfx::DeviceContext& dc, const gfx::Rect& rc);

}  // namespace qv::gui
