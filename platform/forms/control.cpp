#include "platform/forms/control.h"

#include "platform/base/text.h"
#include "platform/forms/form.h"
#include "platform/gui/window_system.h"

namespace qv::forms {

Control::Control(Form& owner, std::string name, int index)
    : form_(&owner), name_(std::move(name)), index_(index), input_(owner, this, *this) {
    form_->registerControl(this);
}

Control::~Control() {
    // The controls inside go back to the form (and their windows with them) before this
    // control's window goes.
    form_->unregisterControl(this);
    destroyWindow();
}

void Control::Container(Control* c) {
    container_ = c;
    if (hwnd_ != 0) {
        const gui::HWnd parent = containerWindow();
        if (parent != 0) gui::windows().setParent(hwnd_, parent);
    }
    changed();
}

void Control::Width(int w) {
    width_ = w < 0 ? 0 : w;
    changed();
}

void Control::Height(int h) {
    height_ = h < 0 ? 0 : h;
    changed();
}

void Control::Move(int left, int top, int width, int height) {
    Left(left);
    Top(top);
    Width(width);
    Height(height);
}

void Control::Visible(bool v) {
    visible_ = v;
    changed();
}

void Control::Enabled(bool e) {
    enabled_ = e;
    changed();
}

bool Control::shownOnForm() const {
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->Visible()) return false;
        if (c->container_ != nullptr && c->tabPage_ >= 0 && c->container_->activePage() != c->tabPage_)
            return false;
    }
    return true;
}

bool Control::enabledOnForm() const {
    for (const Control* c = this; c != nullptr; c = c->container_)
        if (!c->Enabled()) return false;
    return form_->Enabled();
}

int Control::formLeft() const {
    int x = Left();
    for (const Control* c = container_; c != nullptr; c = c->container_) x += c->Left() + c->clientOffsetX();
    return x;
}

int Control::formTop() const {
    int y = Top();
    for (const Control* c = container_; c != nullptr; c = c->container_) y += c->Top() + c->clientOffsetY();
    return y;
}

bool Control::containsFormPoint(int x, int y) const {
    int l = formLeft(), t = formTop();
    return x >= l && y >= t && x < l + Width() && y < t + Height();
}

void Control::SetFocus() {
    // The window takes the focus (its WM_SETFOCUS tells the form); a control of a form that
    // does not show keeps the focus in its form only.
    if (hwnd_ != 0) gui::windows().setFocus(hwnd_);
    form_->focusControl(this);
}

bool Control::focused() const { return form_->ActiveControl() == this; }

void Control::mouseDown(int button, int shift, float x, float y) { MouseDown(button, shift, x, y); }
void Control::mouseMove(int button, int shift, float x, float y) { MouseMove(button, shift, x, y); }
void Control::mouseUp(int button, int shift, float x, float y) { MouseUp(button, shift, x, y); }
void Control::mouseClick(int, float, float) { Click(); }
void Control::mouseDblClick(int, float, float) { DblClick(); }

bool Control::applyDesign(const std::string& key, const DesignValue& v) {
    using base::equalsNoCase;
    if (equalsNoCase(key, "Left")) Left(v.asLong());
    else if (equalsNoCase(key, "Top")) Top(v.asLong());
    else if (equalsNoCase(key, "Width")) Width(v.asLong());
    else if (equalsNoCase(key, "Height")) Height(v.asLong());
    else if (equalsNoCase(key, "Visible")) Visible(v.asBool());
    else if (equalsNoCase(key, "Enabled")) Enabled(v.asBool());
    else if (equalsNoCase(key, "Tag")) Tag(v.asText());
    else if (equalsNoCase(key, "ToolTipText")) ToolTipText(v.asText());
    else if (equalsNoCase(key, "TabIndex")) TabIndex(v.asLong());
    else if (equalsNoCase(key, "ForeColor")) ForeColor(static_cast<OleColor>(v.asLong()));
    else if (equalsNoCase(key, "BackColor")) BackColor(static_cast<OleColor>(v.asLong()));
    else if (equalsNoCase(key, "MousePointer")) MousePointer(v.asLong());
    else if (equalsNoCase(key, "FontName")) { auto f = Font(); f.Name = v.asText(); Font(f); }
    else if (equalsNoCase(key, "FontSize")) { auto f = Font(); f.Size = v.asNumber(); Font(f); }
    else if (equalsNoCase(key, "FontBold")) { auto f = Font(); f.Bold = v.asBool(); Font(f); }
    else if (equalsNoCase(key, "FontItalic")) { auto f = Font(); f.Italic = v.asBool(); Font(f); }
    else if (equalsNoCase(key, "FontUnderline")) { auto f = Font(); f.Underline = v.asBool(); Font(f); }
    else if (equalsNoCase(key, "TabPage")) TabPage(v.asLong());
    else return false;
    return true;
}

}  // namespace qv::forms
