#include "ui/windows/frm_filter.h"

#include "controls/balloon.h"
#include "engine/filter_file.h"
#include "platform/forms/msgbox.h"
#include "ui/main/frm_main.h"
#include "ui/main/window_shape.h"

namespace qv::ui {

namespace {

constexpr std::size_t kShapeBytes = regionBytes(1);
constexpr int kLogKinds = 4;  // chkLog(0..3)

const char* const kFrameTips[engine::kFilterListCount] = {
    "This is a list for remote address", "This is a list for remote port", "This is a list for local port"};

}  // namespace

frmfilter::frmfilter(frmMain& main) : Form("frmfilter", "frmfilter"), main_(main), drag_(*this, main) {
    PictureButton1.Click = [this] { forms::Unload(*this); };
    PictureButton2.Click = [this] { Save(); };
    cmdAdd.on(&controls::isButton::Click, [this](int index) { cmdAdd_Click(index); });
    lvwFilter.on(&forms::ListView::ItemCheck,
                 [this](int index, forms::ListItem& item) { lvwFilter_ItemCheck(index, item); });
}

frmfilter::~frmfilter() = default;

void frmfilter::Form_Load() {
    isButton1.Caption("");
    for (int k = 0; k < engine::kFilterListCount; ++k) cmdAdd(k).Caption("");
    LoadFilter();
    if (main_.Check11.Value() == 1) {
        controls::CreateBalloon(hWnd());
        for (int k = 0; k < engine::kFilterListCount; ++k) controls::AddBalloonTip(fraFilter(k).hWnd(), kFrameTips[k]);
    }
    ApplyWindowShape(*this, PicHiddenData, kShapeBytes);
}

void frmfilter::LoadFilter() {
    engine::FilterFile file;
    // A port-log kind the file does not give keeps the main window's value.
    for (int k = 0; k < kLogKinds; ++k) file.chkLog[static_cast<std::size_t>(k)] = main_.chkLog(k).Value();
    engine::LoadFilter(file);
    Filtering = file.Filtering;
    for (int k = 0; k < engine::kFilterListCount; ++k) main_.chkAct(k).Value(file.chkAct[static_cast<std::size_t>(k)]);
    Logging = file.Logging;
    for (int k = 0; k < kLogKinds; ++k) main_.chkLog(k).Value(file.chkLog[static_cast<std::size_t>(k)]);
    lists_ = std::move(file.lists);
    for (int k = 0; k < engine::kFilterListCount; ++k)
        for (const engine::FilterEntry& e : lists_.entries(k)) showEntry(k, e);
}

void frmfilter::showEntry(int k, const engine::FilterEntry& entry) {
    forms::ListItem& item = lvwFilter(k).ListItems().Add(-1, entry.key, entry.text);
    item.Checked(entry.checked);
}

engine::FilterAddResult frmfilter::addEntry(int k, const std::string& typed, engine::FilterAddFrom from) {
    engine::FilterAddResult r = engine::AddFilterEntry(lists_, k, typed, from);
    if (r.added) showEntry(k, lists_.entries(k).back());
    return r;
}

void frmfilter::cmdAdd_Click(int Index) {
    if (Index < 0 || Index >= engine::kFilterListCount) return;
    forms::TextBox& box = txtAdd(Index);
    const engine::FilterAddResult r = addEntry(Index, box.Text(), engine::FilterAddFrom::Editor);
    if (!r.message.empty()) forms::MsgBox(r.message);
    if (r.added || !r.message.empty()) box.Text("");
}

void frmfilter::lvwFilter_ItemCheck(int Index, forms::ListItem& Item) {
    lists_.setChecked(Index, Item.Index() - 1, Item.Checked());
}

void frmfilter::Save() {
    engine::FilterFile file;
    file.Filtering = Filtering;
    file.Logging = Logging;
    for (int k = 0; k < engine::kFilterListCount; ++k)
        file.chkAct[static_cast<std::size_t>(k)] = main_.chkAct(k).Value();
    for (int k = 0; k < kLogKinds; ++k) file.chkLog[static_cast<std::size_t>(k)] = main_.chkLog(k).Value();
    file.lists = lists_;
    if (!engine::SaveFilter(file)) forms::MsgBox(std::string(engine::kFilterSaveFailed));
}

}  // namespace qv::ui
