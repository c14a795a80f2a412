#pragma once
// frmfilter: the filter editor. It holds the filter lists the engine's filter pass closes
// connections by, remote addresses, remote ports and local ports, each entry in force while it
// is checked, with the switches Filtering and Logging. Loading it reads Conf\filter.ini, with the
// activation of each list and the port-log kinds (the main window's chkAct and chkLog boxes);
// Save writes the whole file again from the lists and those boxes; Close unloads it, so entries
// added or ticked since the last Save are lost. While it is loaded, shown or hidden, the filter
// pass reads its lists.
#include <string>

#include "controls/button.h"
#include "controls/picture_button.h"
#include "engine/filter_add.h"
#include "engine/filter_lists.h"
#include "platform/forms/common/list_view.h"
#include "platform/forms/common/xtab.h"
#include "platform/forms/control_array.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/text_box.h"
#include "ui/main/form_drag.h"
#include "ui/windows/single_window.h"

namespace qv::ui {

class frmfilter : public forms::Form, public WindowLifetime {
public:
    explicit frmfilter(frmMain& main);
    ~frmfilter() override;

    void Form_Load() override;
    // Dragging the window by its surface.
    void Form_MouseDown(int Button, int /*Shift*/, float X, float Y) override { drag_.MouseDown(Button, X, Y); }
    void Form_MouseMove(int /*Button*/, int /*Shift*/, float X, float Y) override { drag_.MouseMove(X, Y); }
    void Form_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) override { drag_.MouseUp(); }

    // Adds what was typed to list k as its add button (Editor) or the block dialog does; an
    // entry added is checked and shown at the end of its list.
    engine::FilterAddResult addEntry(int k, const std::string& typed, engine::FilterAddFrom from);
    // `lvwFilter(0..2)`'s entries.
    const engine::FilterLists& lists() const { return lists_; }

    // Public variables, in order: filtering is on (the filter pass acts only then), and the
    // file's Log value, written back as it was read.
    bool Filtering = false;
    bool Logging = false;

    // The heading.
    forms::Shape Shape1{*this, "Shape1"};
    forms::Image Image1{*this, "Image1"};
    forms::Label Label1{*this, "Label1"};
    forms::Label Label2{*this, "Label2"};
    controls::PictureButton PictureButton2{*this, "PictureButton2"};  // save
    controls::PictureButton PictureButton1{*this, "PictureButton1"};  // close
    forms::Shape Shape2{*this, "Shape2"};                            // the window's edge

    forms::XTab XTab1{*this, "XTab1"};
    // fraFilter(0) "Remote Address", (1) "Remote Port", (2) "Local Port", each with its list,
    // entry box and add button.
    forms::ControlArray<forms::Frame> fraFilter{*this, "fraFilter"};
    forms::ControlArray<forms::ListView> lvwFilter{*this, "lvwFilter"};
    forms::ControlArray<forms::TextBox> txtAdd{*this, "txtAdd"};
    forms::ControlArray<controls::isButton> cmdAdd{*this, "cmdAdd"};
    controls::isButton isButton1{*this, "isButton1"};
    forms::CommandButton cmdAddx{*this, "cmdAddx"};
    forms::PictureBox PicHiddenData{*this, "PicHiddenData"};

private:
    void LoadFilter();
    void cmdAdd_Click(int Index);
    void lvwFilter_ItemCheck(int Index, forms::ListItem& Item);
    void Save();
    void showEntry(int k, const engine::FilterEntry& entry);

    frmMain& main_;
    FormDrag drag_;
    engine::FilterLists lists_;
};

}  // namespace qv::ui
