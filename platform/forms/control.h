#pragma once
// The base of every control on a form: its name and index, the extender properties the form
// keeps for it (position and size in twips, visibility, tag, tooltip text), the mouse events,
// and how it takes its designer values.
//
// While its form is loaded a windowed control has a window of its own, a child of its
// container's window (the form's, or its container control's); the window follows the
// control's properties, its default window procedure turns the window's messages into the
// control's events, and its WM_PAINT draws the control with paint(). A windowless control
// (Label, Image, Shape, Line) is drawn by its container's window and takes the mouse through it.
#include <memory>
#include <string>
#include <string_view>

#include "platform/forms/client_input.h"
#include "platform/forms/design.h"
#include "platform/forms/event.h"
#include "platform/forms/types.h"
#include "platform/gfx/device_context.h"
#include "platform/gui/types.h"

namespace qv::forms {

class Form;

class Control : private ClientInput::Owner {
public:
    // Registers the control with its form; an index >= 0 makes it a control-array element.
    Control(Form& owner, std::string name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // The kind as design files name it ("CheckBox", "ListView", a user control's class name).
    virtual std::string_view kind() const = 0;
    // Whether the control holds a window of its own (Timer, Label, Image, Shape, Line do not).
    virtual bool windowed() const { return true; }
    // Whether other controls can sit inside it (Frame, PictureBox, XTab, user controls).
    virtual bool isContainer() const { return false; }
    // For a tab control, the page shown; -1 for every other container.
    virtual int activePage() const { return -1; }
    // Where a container's inside begins, in twips from its top left corner (its border).
    virtual int clientOffsetX() const { return 0; }
    virtual int clientOffsetY() const { return 0; }

    const std::string& Name() const { return name_; }
    int Index() const { return index_; }
    Form& Parent() const { return *form_; }
    // The container the control sits in; nullptr for the form itself.
    Control* Container() const { return container_; }
    void Container(Control* c);
    // The page of a tab control the control sits on (-1 when its container is no tab control).
    int TabPage() const { return tabPage_; }
    void TabPage(int page) { tabPage_ = page; changed(); }

    QV_FORMS_PROPERTY(int, Left, 0)
    QV_FORMS_PROPERTY(int, Top, 0)
    QV_FORMS_PROPERTY(int, TabIndex, 0)
    QV_FORMS_PROPERTY(std::string, Tag, "")
    QV_FORMS_PROPERTY(std::string, ToolTipText, "")
    QV_FORMS_PROPERTY(OleColor, ForeColor, kSysButtonText)
    QV_FORMS_PROPERTY(OleColor, BackColor, kSysButtonFace)
    QV_FORMS_PROPERTY(StdFont, Font, StdFont{})
    QV_FORMS_PROPERTY(int, MousePointer, 0)

    int Width() const { return width_; }
    int Height() const { return height_; }
    virtual void Width(int w);
    virtual void Height(int h);
    void Move(int left, int top, int width, int height);

    virtual bool Visible() const { return visible_; }
    virtual void Visible(bool v);
    bool Enabled() const { return enabled_; }
    virtual void Enabled(bool e);

    // Whether the control and every container it sits in are visible and enabled, with its form.
    bool shownOnForm() const;
    bool enabledOnForm() const;
    // Position within the form's client area, in twips, through its containers.
    int formLeft() const;
    int formTop() const;
    bool containsFormPoint(int xTwips, int yTwips) const;

    void SetFocus();
    void Refresh() { changed(); }
    // The number of repaints asked for since creation.
    int changeCount() const { return changes_; }

    // ---- the window
    // The control's window while its form is loaded; 0 for a windowless control or before.
    gui::HWnd hWnd() const { return hwnd_; }
    // The window the control is drawn on: its own, or its container's for a windowless one.
    gui::HWnd hostWindow() const;
    // The control's rectangle in pixels of its form's client area.
    gfx::Rect pixelRect() const;
    // Its rectangle on its host window: (0, 0, width, height) for a windowed control, its place
    // in the container's client area for a windowless one.
    gfx::Rect hostRect() const;
    // What of its host window a windowless control draws on: hostRect(), or more for a line.
    virtual gfx::Rect paintBounds() const { return hostRect(); }
    // The frame of its window around the client area the controls it holds sit in, in pixels.
    gui::Insets frameInsets() const;
    // Draws the control in rect (hostRect()) as it looks now; the device context is clipped to
    // what of the control shows. The default is a placeholder naming the kind.
    virtual void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const;
    // Whether the control has a look at run time (timers, image lists, menus, sockets do not).
    virtual bool shownAtRunTime() const { return true; }
    // Whether its drawing is kept to its rectangle (a line's runs between its end points).
    virtual bool clippedToItsRect() const { return true; }
    // The focus is on the control: its form's active control.
    bool focused() const;

    // Mouse events in the control's own coordinates, in twips.
    Event<> Click;
    Event<> DblClick;
    Event<int, int, float, float> MouseDown;  // Button, Shift, X, Y
    Event<int, int, float, float> MouseMove;
    Event<int, int, float, float> MouseUp;

    // Input reaching the control from its window's messages (or from a test); the defaults
    // raise the events above. X and Y are twips within the control.
    virtual void mouseDown(int button, int shift, float x, float y);
    virtual void mouseMove(int button, int shift, float x, float y);
    virtual void mouseUp(int button, int shift, float x, float y);
    virtual void mouseClick(int button, float x, float y);
    virtual void mouseDblClick(int button, float x, float y);
    // The wheel turned over the control or while it had the focus, in notches (up positive).
    virtual void mouseWheel(int /*notches*/) {}
    // Whether the mouse reaches a windowless control through its container (Label, Image);
    // a windowed control always takes it.
    virtual bool takesMouse() const { return windowed(); }
    // Whether a second press in time is a double click; a control without DblClick takes it
    // as another press.
    virtual bool takesDoubleClicks() const { return true; }
    // Keys reaching the control while it has the focus; the defaults do nothing.
    virtual void keyDown(int /*keyCode*/, int /*shift*/) {}
    virtual void keyUp(int /*keyCode*/, int /*shift*/) {}
    virtual void keyPress(int /*keyAscii*/) {}
    // Whether the control can take the focus (windowed, shown and enabled on its form).
    bool canFocus() const { return windowed() && shownOnForm() && enabledOnForm(); }
    // The pointer has left the control after moving over it.
    virtual void mouseLeave() {}
    // The focus moved on the form (either may be nullptr); every control hears it.
    virtual void focusMoved(Control* /*from*/, Control* /*to*/) {}
    // The form was shown or hidden.
    virtual void formShownChanged() {}

    // The design has an entry for the control (called before its values, even when it has none).
    virtual void beginDesign() {}
    // One designer value; false for a key the control does not know.
    virtual bool applyDesign(const std::string& key, const DesignValue& v);
    // Called once the whole design has been read, before the form's Load event.
    virtual void designApplied() {}
    // Called as the form unloads (timers stop, sockets close).
    virtual void formUnloading() {}

    // ---- used by the form
    // Makes the control's window (and its container's first) when its form is loaded and its
    // container has a window; a windowless control's tip goes onto its container's window.
    virtual void attachWindow();
    void destroyWindow();
    // The control's default window procedure.
    gui::LResult windowProc(gui::HWnd hwnd, gui::MessageId msg, gui::WParam w, gui::LParam l);
    // Its window's place, visibility, enabled state, tab order and pointer follow the properties.
    void syncWindow();
    // A control of the form goes away: nothing here may point to it any more.
    void forget(const Control* c) { input_.forget(c); }

protected:
    // A property changed: the window follows and the control is painted again.
    void changed();
    // The windows of the controls sitting in this one follow it (a tab control's page changed).
    void syncContents();
    // Marks the control's window for painting (its drawing changed outside its paint).
    void invalidateWindow();

private:
    void ownDown(int button, int shift, float x, float y) override;
    void ownMove(int buttons, int shift, float x, float y) override;
    void ownUp(int button, int shift, float x, float y) override;
    void ownClick(int button, float x, float y) override;
    void ownDblClick(int button, float x, float y) override;
    bool ownTakesDoubleClicks() const override { return takesDoubleClicks(); }
    bool ownContains(float x, float y) const override;

    gui::HWnd containerWindow() const;
    gfx::Rect placement() const;
    void invalidate();
    void syncToolTip();
    void paintWindow(gui::HWnd hwnd, bool frame);
    gui::LResult mouseMessage(gui::HWnd hwnd, gui::MessageId msg, gui::WParam w, gui::LParam l);

    Form* form_;
    std::string name_;
    int index_;
    Control* container_ = nullptr;
    int tabPage_ = -1;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    int changes_ = 0;

    gui::HWnd hwnd_ = 0;
    ClientInput input_;             // the windowless controls sitting in this one
    bool painting_ = false;         // its paint's own changes need no second paint
    int appliedCursor_ = -1;        // the pointer given to its window
    gfx::Rect lastHostRect_{};      // where a windowless control was last marked for painting
    gui::HWnd tipWindow_ = 0;       // the tooltip its ToolTipText is a tool of
    gui::HWnd tipTool_ = 0;
    std::uintptr_t tipId_ = 0;
    std::string tipText_;
    gfx::Rect tipRect_{};
    // Work and handlers that run after an event check this, so none reaches a destroyed control.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace qv::forms
