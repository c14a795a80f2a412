#include "ui/main/splash.h"

#include "platform/base/convert.h"
#include "platform/forms/instances.h"
#include "ui/main/frm_main.h"
#include "ui/main/window_shape.h"

namespace qv::ui {

namespace {
constexpr std::size_t kShapeBytes = regionBytes(56);

// The values at which the percentage label changes.
bool labelledStep(double value) {
    for (int v : {1, 5, 10, 20, 45, 85, 95, 100})
        if (value == v) return true;
    return false;
}
}  // namespace

splash::splash() : Form("splash", "splash") { Timer1.Tick = [this] { Timer1_Timer(); }; }

void splash::Form_Load() { ApplyWindowShape(*this, PicHiddenData, kShapeBytes); }

void splash::Timer1_Timer() {
    pB.Value(pB.Value() + 1);
    const double value = pB.Value();
    if (labelledStep(value)) Label1.Caption(base::CStr(base::roundHalfEven(value / (pB.Max() / 100))) + "%");
    if (value != 101) return;
    Timer1.Enabled(false);
    pB.Value(0);
    forms::Unload(*this);
    frmMain& main = forms::Default<frmMain>();
    main.Show();
    main.Visible(false);
}

}  // namespace qv::ui
