#include "ui/windows/frm_block.h"

#include "engine/filter_add.h"
#include "platform/forms/msgbox.h"
#include "ui/main/window_shape.h"
#include "ui/windows/filter_window_set.h"
#include "ui/windows/frm_filter.h"

namespace qv::ui {

namespace {

constexpr std::size_t kShapeBytes = regionBytes(1);
constexpr int kOptions = 3;  // the options and their boxes and lists: 0 address, 1 remote port, 2 local port

}  // namespace

frmBlock::frmBlock(FilterWindowSet& windows) : Form("frmBlock", "frmBlock"), windows_(windows) {
    optB.on(&forms::Control::Click, [this](int index) { optB_Click(index); });
    cmdBlock.Click = [this] { cmdBlock_Click(); };
}

frmBlock::~frmBlock() = default;

void frmBlock::Form_Load() {
    optB_Click(0);
    ApplyWindowShape(*this, PicHiddenData, kShapeBytes);
}

forms::TextBox& frmBlock::boxOf(int k) {
    if (k == engine::kRemotePortList) return txtRemP;
    if (k == engine::kLocalPortList) return txtLocP;
    return txtAddr;
}

void frmBlock::optB_Click(int Index) {
    if (Index < 0 || Index >= kOptions) return;
    for (int k = 0; k < kOptions; ++k) {
        forms::TextBox& box = boxOf(k);
        box.BackColor(k == Index ? forms::OleColor{0xFFFFFF} : forms::kSysButtonFace);
        box.ForeColor(k == Index ? forms::OleColor{0} : forms::kSysAppWorkspace);
    }
}

void frmBlock::cmdBlock_Click() {
    for (int k = 0; k < kOptions; ++k) {
        if (!optB.exists(k) || !optB(k).Value()) continue;
        forms::TextBox& box = boxOf(k);
        const engine::FilterAddResult r =
            windows_.filter().addEntry(k, box.Text(), engine::FilterAddFrom::BlockDialog);
        if (r.added) {
            forms::Unload(*this);
            return;
        }
        forms::MsgBox(r.message);
        box.Text("");
        return;
    }
}

}  // namespace qv::ui
