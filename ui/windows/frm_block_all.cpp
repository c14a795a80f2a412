#include "ui/windows/frm_block_all.h"

#include "engine/block_all_notice.h"
#include "platform/forms/instances.h"

namespace qv::ui {

frmBlockAll::frmBlockAll() : Form("frmBlockAll", "frmBlockAll") {
    Command1.Click = [this] { Command1_Click(); };
}

void frmBlockAll::Form_Load() { Tag(engine::BlockAllNoticeLoad()); }

void frmBlockAll::Form_Unload(int& /*Cancel*/) { engine::BlockAllNoticeUnload(Tag()); }

void frmBlockAll::Command1_Click() { forms::Unload(*this); }

bool BlockAllVisible() { return forms::IsVisible<frmBlockAll>(); }

}  // namespace qv::ui
