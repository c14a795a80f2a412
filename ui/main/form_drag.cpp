#include "ui/main/form_drag.h"

#include <algorithm>

#include "platform/base/convert.h"
#include "platform/forms/form.h"
#include "ui/main/frm_main.h"

namespace qv::ui {

bool FormDrag::moveable() const { return main_.Check12.Value() == 1; }

void FormDrag::MouseDown(int Button, float X, float Y) {
    if (!moveable() || Button != forms::kLeftButton) return;
    x_ = X;
    // Kept as a 16-bit integer; a press always lies well inside that range.
    y_ = static_cast<std::int16_t>(std::clamp(base::roundHalfEven(Y), -32768.0, 32767.0));
    dragging_ = true;
}

void FormDrag::MouseMove(float X, float Y) {
    if (!moveable() || !dragging_) return;
    window_.Left(window_.Left() + static_cast<int>(base::roundHalfEven(X - x_)));
    window_.Top(window_.Top() + static_cast<int>(base::roundHalfEven(Y - y_)));
}

void FormDrag::MouseUp() {
    if (moveable()) dragging_ = false;
}

}  // namespace qv::ui
