#pragma once
// Label: a caption drawn on its container; no window of its own.
#include "platform/forms/control.h"

namespace qv::forms {

class Label : public Control {
public:
    Label(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {
        Width(1215);
        Height(255);
    }
    std::string_view kind() const override { return "Label"; }
    bool windowed() const override { return false; }

    QV_FORMS_PROPERTY(std::string, Caption, "")
    QV_FORMS_PROPERTY(int, Alignment, 0)    // 0 left, 1 right, 2 centre
    QV_FORMS_PROPERTY(int, BackStyle, 1)    // 0 transparent, 1 opaque
    QV_FORMS_PROPERTY(int, BorderStyle, 0)  // 0 none, 1 fixed single
    QV_FORMS_PROPERTY(bool, AutoSize, false)
    QV_FORMS_PROPERTY(bool, WordWrap, false)
    QV_FORMS_PROPERTY(bool, UseMnemonic, true)

    bool applyDesign(const std::string& key, const DesignValue& v) override;
    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;
    bool takesMouse() const override { return true; }
};

}  // namespace qv::forms
