#pragma once
// Our own controls: a UserControl sits on a host form like any control (the extender: Name,
// Left, Top, Width, Height, Visible, ToolTipText, Tag), keeps its properties in the host's
// property bag, may hold constituent controls of its own, and draws on its own surface.
//
// How one is written:
//
//   class ucGauge : public UserControl {
//   public:
//       ucGauge(Form& host, std::string name, int index = -1)
//           : UserControl(host, std::move(name), index) {
//           lblValue.Click = [this] { Value(0); };      // constituents' events
//       }
//       std::string_view kind() const override { return "ucGauge"; }  // the design's kind
//
//       int Value() const { return value_; }
//       void Value(int v) { value_ = v; PropertyChanged("Value"); lblValue.Caption(std::to_string(v)); }
//
//       Event<> Changed;                                    // events the host binds
//
//   protected:
//       void UserControl_InitProperties() override { value_ = 0; lblValue.Caption(Name()); }
//       void UserControl_ReadProperties(PropertyBag& bag) override {
//           Value(bag.ReadProperty("Value", 0));           // missing key: the default
//       }
//       void UserControl_WriteProperties(PropertyBag& bag) override {
//           bag.WriteProperty("Value", value_, 0);          // equal to 0: not stored
//       }
//       void UserControl_Resize() override { lblValue.Width(Width()); }
//       void UserControl_Paint() override { hDC().fillRect(...); }  // on surface()
//
//   private:
//       Label lblValue{inside(), "lblValue"};               // constituents live inside()
//       int value_ = 0;
//   };
//
// and on a form: `ucGauge ucGauge1{*this, "ucGauge1"};` with a design entry
// `control ucGauge ucGauge1` whose keys are the extender's (Left, Top, Width, Height, Visible,
// Tag, ToolTipText, TabIndex) and the control's own, which reach ReadProperties.
//
// Life cycle, as the host form loads: Initialize; then ReadProperties when the design has an
// entry for the control, else InitProperties (a new control); then Resize. After that Resize
// follows every change of size; Show and Hide follow the control becoming visible on a shown
// form and leaving it; Terminate runs as the host unloads. Mouse input over a constituent goes
// to the constituent; elsewhere it raises the UserControl_ mouse events, in the control's
// ScaleMode. The host sees only the events the control raises itself.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/forms/hosting/property_bag.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/region.h"

namespace qv::forms {

// What the container tells its controls about itself.
struct AmbientProperties {
    bool UserMode = true;            // False only in a design view
    StdFont Font;                    // the host form's font
    bool DisplayAsDefault = false;   // the host shows this control as its default button
    OleColor BackColor = kSysButtonFace;
    OleColor ForeColor = kSysButtonText;
    std::string DisplayName;         // the control's name on its host
};

// Whether controls run in run mode (True, the program) or in a design view (tests of the
// design-time paths). Read by every control's Ambient().UserMode.
void setAmbientUserMode(bool userMode);
bool ambientUserMode();

class UserControl : public Control {
public:
    UserControl(Form& host, std::string name, int index = -1);
    ~UserControl() override;

    // The control's own drawing surface in pixels, at the control's size; Cls clears it to
    // BackColor. Its window shows it under the constituents; drawing on it outside Paint shows
    // at the loop's next paint, which raises Paint again.
    gfx::DeviceContext& hDC() {
        invalidateWindow();
        return dc_;
    }
    const gfx::Canvas& surface() const { return surface_; }
    void Cls();
    // 1 twips (the default) or 3 pixels: the unit of ScaleWidth, ScaleHeight and mouse events.
    QV_FORMS_PROPERTY(int, ScaleMode, 1)
    int ScaleWidth() const;
    int ScaleHeight() const;
    // The window's shape, in pixels of the control; nullopt: the whole rectangle.
    const std::optional<gfx::Region>& windowRegion() const { return region_; }
    void setWindowRegion(std::optional<gfx::Region> r);

    // Where constituent controls live: construct them with inside() as their form.
    Form& inside() { return *inside_; }
    const Form& inside() const { return *inside_; }

    // The extender: the host's view of the control (Name, Left, Top, Width, Height, Visible,
    // ToolTipText, Tag are Control's own).
    Control& Extender() { return *this; }
    // The host's default button; one control of a form at a time.
    bool Default() const { return default_; }
    void Default(bool d);
    // Whether the control can be its host's default button (a button control sets it).
    bool DefaultCancel() const { return defaultCancel_; }

    AmbientProperties Ambient() const;
    // Tells the host that a property changed (it saves the control's properties again).
    void PropertyChanged(const std::string& propertyName);
    const std::vector<std::string>& changedProperties() const { return changed_; }

    // The container's side of the life cycle. site() runs Initialize, Read- or InitProperties
    // and Resize once (the host's load calls it); readProperties loads a given bag into a
    // control already sited (ReadProperties, then Resize); saveProperties asks the control
    // for its bag.
    void site();
    bool sited() const { return sited_; }
    void readProperties(const PropertyBag& bag);
    PropertyBag saveProperties();
    // The container's paint request: raises Paint when the control is shown.
    void paint();
    // Its window's WM_PAINT: Paint while shown, then the surface, with the windowless
    // constituents above it.
    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;
    // Its window is made with its region, and the windows of its constituents inside it.
    void attachWindow() override;
    // Between the Show and Hide notifications.
    bool shown() const { return shown_; }

    // Keys reaching the control while it has the focus (the host or a test sends them).
    void keyDown(int keyCode, int shift) override;
    void keyUp(int keyCode, int shift) override;
    void keyPress(int keyAscii) override;
    void accessKeyPress(int keyAscii);

    void Width(int w) override;
    void Height(int h) override;
    using Control::Height;
    using Control::Width;
    void Visible(bool v) override;
    using Control::Visible;

    void mouseDown(int button, int shift, float x, float y) override;
    void mouseMove(int button, int shift, float x, float y) override;
    void mouseUp(int button, int shift, float x, float y) override;
    void mouseClick(int button, float x, float y) override;
    void mouseDblClick(int button, float x, float y) override;
    void mouseLeave() override;
    void focusMoved(Control* from, Control* to) override;
    void formShownChanged() override;

    void beginDesign() override { hadDesign_ = true; }
    bool applyDesign(const std::string& key, const DesignValue& v) override;
    void designApplied() override { site(); }
    void formUnloading() override;

protected:
    // Events of the control's own code.
    virtual void UserControl_Initialize() {}
    virtual void UserControl_InitProperties() {}
    virtual void UserControl_ReadProperties(PropertyBag& /*PropBag*/) {}
    virtual void UserControl_WriteProperties(PropertyBag& /*PropBag*/) {}
    virtual void UserControl_Resize() {}
    virtual void UserControl_Paint() {}
    virtual void UserControl_Show() {}
    virtual void UserControl_Hide() {}
    virtual void UserControl_AmbientChanged(const std::string& /*PropertyName*/) {}
    virtual void UserControl_EnterFocus() {}
    virtual void UserControl_ExitFocus() {}
    virtual void UserControl_GotFocus() {}
    virtual void UserControl_LostFocus() {}
    virtual void UserControl_KeyDown(int& /*KeyCode*/, int /*Shift*/) {}
    virtual void UserControl_KeyUp(int& /*KeyCode*/, int /*Shift*/) {}
    virtual void UserControl_KeyPress(int& /*KeyAscii*/) {}
    virtual void UserControl_AccessKeyPress(int /*KeyAscii*/) {}
    virtual void UserControl_MouseDown(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void UserControl_MouseMove(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void UserControl_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
    // The pointer left the control (after it had moved over it).
    virtual void UserControl_MouseLeave() {}
    virtual void UserControl_Click() {}
    virtual void UserControl_DblClick() {}
    virtual void UserControl_Terminate() {}

    void setDefaultCancel(bool d) { defaultCancel_ = d; }

private:
    class Inside;
    bool computeDisplayAsDefault() const;
    void refreshDisplayAsDefault();
    void updateShown();
    void sizeChanged();
    float toScale(float twips) const;

    std::unique_ptr<Form> inside_;  // an Inside
    gfx::Canvas surface_;
    gfx::DeviceContext dc_{surface_};
    std::optional<gfx::Region> region_;
    DesignEntry designEntry_;  // the design's values, read at site()
    std::vector<std::string> changed_;
    bool hadDesign_ = false;
    bool sited_ = false;
    bool shown_ = false;
    bool default_ = false;
    bool defaultCancel_ = false;
    bool displayAsDefault_ = false;
    bool hovered_ = false;
};

}  // namespace qv::forms
