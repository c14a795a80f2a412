#include "platform/forms/windowless_paint.h"

#include "platform/forms/control.h"
#include "platform/forms/drawing.h"
#include "platform/forms/form.h"

namespace qv::forms {

void paintWindowless(gfx::DeviceContext& dc, const Form& form, const Control* container) {
    for (const Control* c : form.Controls()) {
        if (c->Container() != container || c->windowed() || !c->shownAtRunTime() || !c->shownOnForm()) continue;
        const gfx::Rect r = c->hostRect();
        if (!c->clippedToItsRect()) {
            c->paint(dc, r);
            continue;
        }
        ClipTo clip(dc, r);
        if (!clip.empty()) c->paint(dc, r);
    }
}

}  // namespace qv::forms
