#pragma once
// frmGraph: the graph window. As it loads it takes a scale from the traffic counts the poll pass
// last stored and plots ten points below it; the points are made once a load, so the window
// keeps its picture until it is closed. Its close button unloads it. It can be dragged by its
// surface while "Make all form moveable" is checked.
#include "controls/line_graph.h"
#include "controls/picture_button.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "ui/main/form_drag.h"

namespace qv::ui {

class frmMain;

class frmGraph : public forms::Form {
public:
    explicit frmGraph(frmMain& main);

    void Form_Load() override;
    void Form_MouseDown(int Button, int /*Shift*/, float X, float Y) override { drag_.MouseDown(Button, X, Y); }
    void Form_MouseMove(int /*Button*/, int /*Shift*/, float X, float Y) override { drag_.MouseMove(X, Y); }
    void Form_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) override { drag_.MouseUp(); }

    forms::Label Label1{*this, "Label1"};
    controls::PictureButton PictureButton1{*this, "PictureButton1"};
    controls::aGraph aGraph1{*this, "aGraph1"};
    forms::PictureBox PicHiddenData{*this, "PicHiddenData"};

private:
    frmMain& main_;
    FormDrag drag_;
};

}  // namespace qv::ui
