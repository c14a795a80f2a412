#pragma once
// TextBox: single- or multi-line editable text. Change is raised whenever Text changes, by the
// user or by code; assigning the same text raises nothing.
#include "platform/forms/control.h"

namespace qv::forms {

class TextBox : public Control {
public:
    TextBox(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {
        Width(1215);
        Height(285);
        BackColor(kSysWindow);
        ForeColor(kSysWindowText);
    }
    std::string_view kind() const override { return "TextBox"; }

    const std::string& Text() const { return text_; }
    void Text(const std::string& t);
    QV_FORMS_PROPERTY(bool, MultiLine, false)
    QV_FORMS_PROPERTY(bool, Locked, false)
    QV_FORMS_PROPERTY(int, MaxLength, 0)  // 0: no limit
    QV_FORMS_PROPERTY(std::string, PasswordChar, "")
    QV_FORMS_PROPERTY(int, ScrollBars, 0)
    QV_FORMS_PROPERTY(int, Alignment, 0)
    QV_FORMS_PROPERTY(int, BorderStyle, 1)

    // The selection, 0-based start and length, clamped to the text.
    int SelStart() const { return selStart_; }
    void SelStart(int s);
    int SelLength() const { return selLength_; }
    void SelLength(int n);
    std::string SelText() const;
    // Replaces the selection (inserts at SelStart when it is empty); the caret follows it.
    void SelText(const std::string& s);

    Event<> Change;
    Event<int&> KeyPress;  // KeyAscii; set to 0 to drop the key
    Event<int&, int> KeyDown;  // KeyCode, Shift

    // Typing at the caret: each byte passes KeyPress (Enter is 13, Backspace 8) and, unless
    // dropped or locked, edits the text. A single-line box ignores Enter.
    void typeText(const std::string& keys);

    // Keys from the form: KeyDown is raised; a typed character goes through typeText.
    void keyDown(int keyCode, int shift) override { KeyDown(keyCode, shift); }
    void keyPress(int keyAscii) override { typeText(std::string(1, static_cast<char>(keyAscii))); }

    bool applyDesign(const std::string& key, const DesignValue& v) override;
    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;

private:
    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
};

}  // namespace qv::forms
