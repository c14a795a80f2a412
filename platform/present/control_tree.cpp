#include "platform/present/control_tree.h"

#include "platform/forms/control.h"
#include "platform/forms/hosting/user_control.h"
#include "platform/forms/types.h"
#include "platform/present/painters.h"

namespace qv::present {
namespace {

using forms::Control;
using gfx::Rect;
using gfx::Region;

Rect controlRect(const Control& c, gfx::Point client) {
    const int l = c.formLeft(), t = c.formTop();
    return {client.x + forms::twipsToPixels(l), client.y + forms::twipsToPixels(t),
            client.x + forms::twipsToPixels(l + c.Width()), client.y + forms::twipsToPixels(t + c.Height())};
}

Region clipTo(const Region& clip, const Rect& r) {
    return Region::combine(clip, Region::rect(r), gfx::CombineMode::And);
}

// A user control: its surface, then its constituents, within its window region when it has one.
void paintUserControl(gfx::DeviceContext& dc, const forms::UserControl& uc, const Rect& rect, Region clip) {
    if (const auto& shape = uc.windowRegion()) {
        Region r = *shape;
        r.offset(rect.left, rect.top);
        clip = Region::combine(clip, r, gfx::CombineMode::And);
        if (clip.isEmpty()) return;
        dc.setClip(clip);
    }
    dc.bitBlt(rect.left, rect.top, int(rect.width()), int(rect.height()), uc.surface(), 0, 0);
    paintControls(dc, uc.inside(), clip, {rect.left, rect.top});
}

// Draws the controls that sit directly in `container` (nullptr: the form), windowless ones
// first and windowed ones above them, each in the form's order, as hit testing stacks them.
void paintChildren(gfx::DeviceContext& dc, const forms::Form& form, const Control* container, const Region& clip,
                   gfx::Point client) {
    for (bool windowed : {false, true}) {
        for (const Control* c : form.Controls()) {
            if (c->Container() != container || c->windowed() != windowed) continue;
            if (!c->shownOnForm() || invisibleAtRunTime(c->kind())) continue;
            const Rect rect = controlRect(*c, client);
            const Region own = drawsOutsideItsRect(c->kind()) ? clip : clipTo(clip, rect);
            if (own.isEmpty()) continue;
            dc.setClip(own);
            dc.setOrigin({0, 0});
            const PaintArgs args{*c, dc, rect, form.ActiveControl() == c, client};
            const auto* uc = dynamic_cast<const forms::UserControl*>(c);
            if (const Painter* p = findPainter(c->kind())) (*p)(args);
            else if (uc != nullptr) paintUserControl(dc, *uc, rect, own);
            else paintPlaceholder(args);
            if (c->isContainer() && uc == nullptr) {
                // The container's inside, less its border.
                const int bx = forms::twipsToPixels(c->clientOffsetX()), by = forms::twipsToPixels(c->clientOffsetY());
                const Region inside = clipTo(own, {rect.left + bx, rect.top + by, rect.right - bx, rect.bottom - by});
                if (!inside.isEmpty()) paintChildren(dc, form, c, inside, client);
            }
        }
    }
}

}  // namespace

void paintControls(gfx::DeviceContext& dc, const forms::Form& form, const Region& clip, gfx::Point client) {
    paintChildren(dc, form, nullptr, clip, client);
}

void raisePaint(forms::Form& form) {
    for (Control* c : form.Controls()) {
        auto* uc = dynamic_cast<forms::UserControl*>(c);
        if (uc == nullptr || !uc->shownOnForm()) continue;
        uc->paint();
        raisePaint(uc->inside());
    }
}

}  // namespace qv::present
