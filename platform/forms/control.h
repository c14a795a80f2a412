#pragma once
// The base of every control on a form: its name and index, the extender properties the form
// keeps for it (position and size in twips, visibility, tag, tooltip text), the mouse events,
// and how it takes its designer values.
#include <string>
#include <string_view>

#include "platform/forms/design.h"
#include "platform/forms/event.h"
#include "platform/forms/types.h"

namespace qv::forms {

class Form;

class Control {
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
    // The number of repaints asked for since creation (the presenter redraws on demand).
    int changeCount() const { return changes_; }

    // Mouse events in the control's own coordinates, in twips.
    Event<> Click;
    Event<> DblClick;
    Event<int, int, float, float> MouseDown;  // Button, Shift, X, Y
    Event<int, int, float, float> MouseMove;
    Event<int, int, float, float> MouseUp;

    // Input reaching the control (from the window system or a test); the defaults raise the
    // events above. X and Y are twips within the control.
    virtual void mouseDown(int button, int shift, float x, float y);
    virtual void mouseMove(int button, int shift, float x, float y);
    virtual void mouseUp(int button, int shift, float x, float y);
    virtual void mouseClick(int button, float x, float y);
    virtual void mouseDblClick(int button, float x, float y);
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

protected:
    void changed() { ++changes_; }

private:
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
};

}  // namespace qv::forms
