#pragma once
// CheckBox, OptionButton and CommandButton.
#include "platform/forms/control.h"

namespace qv::forms {

// CheckBox: Value 0 unchecked, 1 checked, 2 grayed. Click is raised whenever the value changes,
// by the user or by code; assigning the value it has raises nothing. A user's click turns a
// checked box off and any other on.
class CheckBox : public Control {
public:
    CheckBox(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {
        Width(1215);
        Height(255);
    }
    std::string_view kind() const override { return "CheckBox"; }

    QV_FORMS_PROPERTY(std::string, Caption, "")
    QV_FORMS_PROPERTY(int, Alignment, 0)
    int Value() const { return value_; }
    // 0, 1 or 2; any other value is error 380.
    void Value(int v);

    void mouseClick(int button, float x, float y) override;
    // A quick second click is another click.
    bool takesDoubleClicks() const override { return false; }
    bool applyDesign(const std::string& key, const DesignValue& v) override;
    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;

private:
    int value_ = 0;
};

// OptionButton: one of a group (the option buttons sharing a container). Setting Value True
// clears the others of its group and raises Click; the user's click does the same.
class OptionButton : public Control {
public:
    OptionButton(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {
        Width(1215);
        Height(255);
    }
    std::string_view kind() const override { return "OptionButton"; }

    QV_FORMS_PROPERTY(std::string, Caption, "")
    QV_FORMS_PROPERTY(int, Alignment, 0)
    bool Value() const { return value_; }
    void Value(bool v);

    void mouseClick(int button, float x, float y) override;
    bool applyDesign(const std::string& key, const DesignValue& v) override;
    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;

private:
    bool value_ = false;
};

// CommandButton: Click on a left click released over it, on Enter or Space while it has the
// focus, or when code sets Value True; Escape anywhere on the button's form clicks the form's
// Cancel button.
class CommandButton : public Control {
public:
    CommandButton(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {
        Width(1215);
        Height(375);
    }
    std::string_view kind() const override { return "CommandButton"; }

    QV_FORMS_PROPERTY(std::string, Caption, "")
    QV_FORMS_PROPERTY(bool, Default, false)
    QV_FORMS_PROPERTY(bool, Cancel, false)
    QV_FORMS_PROPERTY(int, Style, 0)
    void Value(bool v) {
        if (v) Click();
    }

    void mouseClick(int button, float x, float y) override;
    bool takesDoubleClicks() const override { return false; }
    void keyDown(int keyCode, int shift) override;
    bool applyDesign(const std::string& key, const DesignValue& v) override;
    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;
};

}  // namespace qv::forms
