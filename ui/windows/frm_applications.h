#pragma once
// frmApplications: the rule list. It lists every application with a rule in the rule store, as
// the store holds them when the window loads, with its version, access and path; a click on a
// row offers Trust, Ask, Block and Delete for it, and "Add new to list" opens the add-rule
// dialog. Closing the window (by any means) runs a forced poll pass, so changed rules take
// effect at once. It can be dragged by its surface while "Make all form moveable" is checked.
#include <string>

#include "controls/button.h"
#include "controls/picture_button.h"
#include "platform/forms/common/image_list.h"
#include "platform/forms/common/list_view.h"
#include "platform/forms/common/xtab.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/menu.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/forms/intrinsic/shapes.h"
#include "ui/main/form_drag.h"

namespace qv::ui {

class frmMain;

// The access a rule value shows: "0" Ask, "1" Block, "2" Trust, anything else (Terminate
// among them) nothing.
std::string GetRule(const std::string& value);

class frmApplications : public forms::Form {
public:
    explicit frmApplications(frmMain& main);

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Form_MouseDown(int Button, int /*Shift*/, float X, float Y) override { drag_.MouseDown(Button, X, Y); }
    void Form_MouseMove(int /*Button*/, int /*Shift*/, float X, float Y) override { drag_.MouseMove(X, Y); }
    void Form_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) override { drag_.MouseUp(); }

    // Row icons in imglist.
    static constexpr int kIconHeld = 4, kIconLetThrough = 5;

    forms::Image Image1{*this, "Image1"};
    forms::Label Label1{*this, "Label1"};
    controls::PictureButton PictureButton1{*this, "PictureButton1"};
    controls::isButton isButton1{*this, "isButton1"};
    forms::XTab XTab1{*this, "XTab1"};
    forms::ListView lvApplications{*this, "lvApplications"};
    forms::ImageList imglist{*this, "imglist"};
    forms::PictureBox PicHiddenData{*this, "PicHiddenData"};

    forms::Menu mnuModify{*this, "mnuModify"};
    forms::Menu mnuModifyTrust{*this, "mnuModifyTrust"};
    forms::Menu mnuModifyAsk{*this, "mnuModifyAsk"};
    forms::Menu mnuModifyBlock{*this, "mnuModifyBlock"};
    forms::Menu ln{*this, "ln"};
    forms::Menu mnuModifyDelete{*this, "mnuModifyDelete"};
    forms::Menu pkk{*this, "pkk"};
    forms::Menu atl{*this, "atl"};

private:
    void addRow(const std::string& path, const std::string& value);
    void lvApplications_ItemClick();
    // Writes the selected row's rule and shows its access; the icon stays.
    void setRule(const char* value);
    void mnuModifyDelete_Click();
    void atl_Click();

    frmMain& main_;
    FormDrag drag_;
};

}  // namespace qv::ui
