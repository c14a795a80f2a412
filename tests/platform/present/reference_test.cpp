// Reference pictures: the showcase form with one control of each kind, and a popup menu, drawn
// and compared with the committed PNGs by tolerance (see reference_check.h to regenerate them).
#include <gtest/gtest.h>

#include "platform/base/clock.h"
#include "platform/forms/instances.h"
#include "platform/forms/intrinsic/menu.h"
#include "platform/forms/runtime.h"
#include "platform/forms/intrinsic/menu_paint.h"
#include "platform/present/render.h"
#include "tests/platform/present/reference_check.h"
#include "tests/platform/present/showcase_form.h"

namespace qv::present {
namespace {

TEST(Reference, ShowcaseFormMatchesItsPicture) {
    forms::setDesignFolder(QV_FIXTURES "/present");
    base::FakeClock clock;
    base::ScopedClock scoped{clock};
    auto& form = forms::Default<testing::frmShowcase>();
    form.Show();
    forms::DoEvents();  // the browser's navigation completes
    const gfx::Canvas actual = renderForm(form);
    forms::resetForms();
    testing::expectMatchesReference(actual, "frmShowcase");
}

TEST(Reference, PopupMenuMatchesItsPicture) {
    forms::Form f("frmMenu");
    forms::Menu popup(f, "mnuPopup"), open(f, "mnuOpen"), log(f, "mnuLog"), sep(f, "mnuSep"),
        off(f, "mnuOff"), more(f, "mnuMore"), sub(f, "mnuSub");
    for (forms::Menu* m : {&open, &log, &sep, &off, &more}) m->ParentMenu(&popup);
    sub.ParentMenu(&more);
    open.Caption("&Open Quarvelin");
    open.Shortcut("Ctrl+O");
    log.Caption("Show &log");
    log.Checked(true);
    sep.Caption("-");
    off.Caption("Disabled entry");
    off.Enabled(false);
    more.Caption("More");
    sub.Caption("Inside");
    testing::expectMatchesReference(forms::renderMenu(popup, 1), "mnuPopup");
}

}  // namespace
}  // namespace qv::present
