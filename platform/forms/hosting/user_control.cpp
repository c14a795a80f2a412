#include "platform/forms/hosting/user_control.h"


#include "platform/base/text.h"
#include "platform/forms/windowless_paint.h"
#include "platform/gfx/colour.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

bool& userModeSetting() {
    static bool userMode = true;
    return userMode;
}

bool isExtenderKey(const std::string& key) {
    static const char* const keys[] = {"Left", "Top", "Width", "Height", "Visible", "Tag",
                                       "ToolTipText", "TabIndex", "TabPage"};
    for (const char* k : keys)
        if (base::equalsNoCase(key, k)) return true;
    return false;
}

}  // namespace

void setAmbientUserMode(bool userMode) { userModeSetting() = userMode; }
bool ambientUserMode() { return userModeSetting(); }

// The surface the constituents sit on: a form of its own, so their names never meet the host's,
// whose input that falls on no constituent goes to the control's own mouse events. It has no
// window of its own: its constituents' windows are children of the control's window, which
// draws its windowless constituents.
class UserControl::Inside : public Form {
public:
    Inside(UserControl& owner) : Form(owner.Name()), owner_(&owner) { BorderStyle(0); }
    gui::HWnd clientWindow() const override { return owner_->hWnd(); }
    bool ownsWindow() const override { return false; }
    Form& topForm() override { return owner_->Parent().topForm(); }
    void Form_DblClick() override { owner_->UserControl_DblClick(); }
    void Form_MouseDown(int b, int s, float x, float y) override {
        owner_->UserControl_MouseDown(b, s, owner_->toScale(x), owner_->toScale(y));
    }
    void Form_MouseMove(int b, int s, float x, float y) override {
        owner_->UserControl_MouseMove(b, s, owner_->toScale(x), owner_->toScale(y));
    }
    void Form_MouseUp(int b, int s, float x, float y) override {
        owner_->UserControl_MouseUp(b, s, owner_->toScale(x), owner_->toScale(y));
    }

private:
    // A click is a left press and release on the control; other buttons raise only their
    // MouseDown and MouseUp.
    void ownClick(int button, float, float) override {
        if (button != kLeftButton) return;
        HandlerScope scope;
        owner_->UserControl_Click();
    }

    UserControl* owner_;
};

UserControl::UserControl(Form& host, std::string name, int index)
    : Control(host, std::move(name), index), inside_(std::make_unique<Inside>(*this)) {
    Width(2400);
    Height(1200);
}

UserControl::~UserControl() = default;

void UserControl::Cls() {
    surface_.fill(gfx::translateColour(BackColor()));
    invalidateWindow();
}

int UserControl::ScaleWidth() const { return ScaleMode() == 3 ? twipsToPixels(Width()) : Width(); }
int UserControl::ScaleHeight() const { return ScaleMode() == 3 ? twipsToPixels(Height()) : Height(); }

float UserControl::toScale(float twips) const { return ScaleMode() == 3 ? twips / kTwipsPerPixel : twips; }

void UserControl::setWindowRegion(std::optional<gfx::Region> r) {
    region_ = std::move(r);
    if (hWnd() != 0) gui::windows().setWindowRegion(hWnd(), region_, true);
    changed();
}

void UserControl::attachWindow() {
    const bool had = hWnd() != 0;
    Control::attachWindow();
    if (hWnd() == 0) return;
    if (!had && region_) gui::windows().setWindowRegion(hWnd(), region_, true);
    if (inside_->loaded()) inside_->attachControls();
}

void UserControl::paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const {
    // Painting raises the control's own Paint, which draws on its surface.
    const_cast<UserControl*>(this)->paint();
    dc.bitBlt(rect.left, rect.top, surface_.width(), surface_.height(), surface_, 0, 0);
    paintWindowless(dc, *inside_, nullptr);
}

void UserControl::Width(int w) {
    Control::Width(w);
    sizeChanged();
}

void UserControl::Height(int h) {
    Control::Height(h);
    sizeChanged();
}

void UserControl::sizeChanged() {
    const int w = twipsToPixels(Control::Width()), h = twipsToPixels(Control::Height());
    if (w != surface_.width() || h != surface_.height()) surface_.resize(w, h, gfx::translateColour(BackColor()));
    if (inside_ != nullptr) inside_->Move(0, 0, Control::Width(), Control::Height());
    if (sited_) {
        HandlerScope scope;
        UserControl_Resize();
    }
}

void UserControl::Visible(bool v) {
    Control::Visible(v);
    updateShown();
}

void UserControl::formShownChanged() { updateShown(); }

void UserControl::updateShown() {
    const bool now = sited_ && Parent().loaded() && Parent().Visible() && shownOnForm();
    if (now == shown_) return;
    shown_ = now;
    HandlerScope scope;
    if (now)
        UserControl_Show();
    else
        UserControl_Hide();
}

void UserControl::Default(bool d) {
    default_ = d;
    if (d) {
        // One default button per form.
        for (Control* c : Parent().Controls())
            if (auto* u = dynamic_cast<UserControl*>(c); u != nullptr && u != this) u->default_ = false;
    }
    for (Control* c : Parent().Controls())
        if (auto* u = dynamic_cast<UserControl*>(c)) u->refreshDisplayAsDefault();
}

bool UserControl::computeDisplayAsDefault() const {
    if (!default_) return false;
    const Control* focus = Parent().ActiveControl();
    if (focus == nullptr || focus == this) return true;
    // Another button holding the focus shows itself as the default instead.
    if (focus->kind() == "CommandButton") return false;
    auto* u = dynamic_cast<const UserControl*>(focus);
    return u == nullptr || !u->defaultCancel_;
}

void UserControl::refreshDisplayAsDefault() {
    const bool now = computeDisplayAsDefault();
    if (now == displayAsDefault_) return;
    displayAsDefault_ = now;
    if (!sited_) return;
    HandlerScope scope;
    UserControl_AmbientChanged("DisplayAsDefault");
}

AmbientProperties UserControl::Ambient() const {
    AmbientProperties a;
    a.UserMode = ambientUserMode();
    a.Font = Parent().Font();
    a.BackColor = Parent().BackColor();
    a.ForeColor = Parent().ForeColor();
    a.DisplayAsDefault = computeDisplayAsDefault();
    a.DisplayName = Name();
    return a;
}

void UserControl::PropertyChanged(const std::string& propertyName) {
    changed_.push_back(propertyName);
    changed();
}

void UserControl::site() {
    if (sited_) return;
    // A control sited on a loaded form (made at run time) gets its window first, as a loading
    // form's controls do.
    attachWindow();
    if (!inside_->loaded()) Load(*inside_);
    HandlerScope scope;
    UserControl_Initialize();
    displayAsDefault_ = computeDisplayAsDefault();
    if (hadDesign_) {
        PropertyBag bag(designEntry_);
        UserControl_ReadProperties(bag);
    } else {
        UserControl_InitProperties();
    }
    sited_ = true;
    UserControl_Resize();
    updateShown();
}

void UserControl::readProperties(const PropertyBag& bag) {
    HandlerScope scope;
    PropertyBag copy = bag;
    UserControl_ReadProperties(copy);
    if (sited_) UserControl_Resize();
}

PropertyBag UserControl::saveProperties() {
    PropertyBag bag;
    HandlerScope scope;
    UserControl_WriteProperties(bag);
    return bag;
}

void UserControl::paint() {
    if (!shown_) return;
    HandlerScope scope;
    UserControl_Paint();
}

void UserControl::keyDown(int keyCode, int shift) {
    HandlerScope scope;
    UserControl_KeyDown(keyCode, shift);
}

void UserControl::keyUp(int keyCode, int shift) {
    HandlerScope scope;
    UserControl_KeyUp(keyCode, shift);
}

void UserControl::keyPress(int keyAscii) {
    HandlerScope scope;
    UserControl_KeyPress(keyAscii);
}

void UserControl::accessKeyPress(int keyAscii) {
    HandlerScope scope;
    UserControl_AccessKeyPress(keyAscii);
}

// Input on the control is input on its inside (twips within the control), where a
// constituent under the pointer takes it.
void UserControl::mouseDown(int button, int shift, float x, float y) {
    inside_->clientInput().down(button, shift, x, y, false);
}

void UserControl::mouseMove(int button, int shift, float x, float y) {
    hovered_ = true;
    inside_->clientInput().move(button, shift, x, y);
}

void UserControl::mouseUp(int button, int shift, float x, float y) {
    // Up and the click that follows it come from the inside, so a click on a constituent
    // reaches that constituent alone.
    inside_->clientInput().up(button, shift, x, y);
}

void UserControl::mouseClick(int, float, float) {}

void UserControl::mouseDblClick(int button, float x, float y) { inside_->clientInput().down(button, 0, x, y, true); }

void UserControl::mouseLeave() {
    if (!hovered_) return;
    hovered_ = false;
    inside_->clientInput().leave();
    HandlerScope scope;
    UserControl_MouseLeave();
}

void UserControl::focusMoved(Control* from, Control* to) {
    if (sited_ && from == this) {
        HandlerScope scope;
        UserControl_LostFocus();
        UserControl_ExitFocus();
    }
    if (sited_ && to == this) {
        HandlerScope scope;
        UserControl_EnterFocus();
        UserControl_GotFocus();
    }
    refreshDisplayAsDefault();
}

bool UserControl::applyDesign(const std::string& key, const DesignValue& v) {
    // The extender's keys place the control; every key also reaches ReadProperties.
    if (isExtenderKey(key)) Control::applyDesign(key, v);
    designEntry_.properties.push_back({key, v});
    return true;
}

void UserControl::formUnloading() {
    if (inside_->loaded()) Unload(*inside_);
    if (!sited_) return;
    if (shown_) {
        shown_ = false;
        HandlerScope scope;
        UserControl_Hide();
    }
    HandlerScope scope;
    UserControl_Terminate();
    sited_ = false;
    hadDesign_ = false;
    designEntry_ = DesignEntry{};
}

}  // namespace qv::forms
