#include "ui/main/frm_main.h"

#include "ui/main/engine_view.h"

namespace qv::ui {

frmMain::frmMain() : Form("frmMain", "frmMain"), engineView_(std::make_unique<EngineView>(*this)) {
    Check1.Click = [this] { Check1_Click(); };
    Check2.Click = [this] { Check2_Click(); };
    Check5.Click = [this] { Check5_Click(); };
    Slider3.Change = [this] { Slider3_Change(); };
}

frmMain::~frmMain() = default;

engine::MainWindow& frmMain::engineView() { return *engineView_; }

}  // namespace qv::ui
