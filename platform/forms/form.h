#pragma once
// A form: one window of the program with its controls as named members. A form class derives
// from Form, declares its controls as members (constructed with *this and their names), wires
// their events in its constructor, and overrides the Form_ events it handles.
//
// Life cycle: Initialize when the object is made (by Default or New), Load when it is first
// used, Show and Hide, Unload (QueryUnload and Unload may cancel), and Terminate when the object
// is released, which for an unload inside a handler happens after that handler has returned.
//
// A loaded form is a top-level window of the window system, made at Load (with the windows of
// its controls) and destroyed at Unload. A captioned form has a frame around its client area
// that it draws itself on WM_NCPAINT; its client area shows the back colour and the windowless
// controls on it. Input reaches the form and its controls through their windows.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/client_input.h"
#include "platform/forms/design.h"
#include "platform/forms/types.h"
#include "platform/gfx/canvas.h"
#include "platform/gui/types.h"

namespace qv::forms {

class Control;
class Menu;

class Form : private ClientInput::Owner {
public:
    // designName: the design file (without ".qvf") in the design folder; "" for none.
    explicit Form(std::string name, std::string designName = "");
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Events.
    virtual void Form_Initialize() {}
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_QueryUnload(int& /*Cancel*/, int /*UnloadMode*/) {}
    virtual void Form_Unload(int& /*Cancel*/) {}
    virtual void Form_Terminate() {}
    virtual void Form_Resize() {}
    virtual void Form_Paint() {}
    virtual void Form_Click() {}
    virtual void Form_DblClick() {}
    virtual void Form_MouseDown(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void Form_MouseMove(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void Form_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}

    const std::string& Name() const { return name_; }

    QV_FORMS_PROPERTY(std::string, Caption, "")
    QV_FORMS_PROPERTY(std::string, Tag, "")
    QV_FORMS_PROPERTY(int, Left, 0)
    QV_FORMS_PROPERTY(int, Top, 0)
    QV_FORMS_PROPERTY(OleColor, BackColor, kSysButtonFace)
    QV_FORMS_PROPERTY(OleColor, ForeColor, kSysButtonText)
    QV_FORMS_PROPERTY(StdFont, Font, StdFont{})
    // 0 none (shaped windows), 1 fixed single, 2 sizable, 3 fixed dialog, 4/5 tool windows.
    QV_FORMS_PROPERTY(int, BorderStyle, 2)
    QV_FORMS_PROPERTY(bool, ControlBox, true)
    QV_FORMS_PROPERTY(bool, ShowInTaskbar, true)
    QV_FORMS_PROPERTY(int, ScaleMode, 1)
    QV_FORMS_PROPERTY(bool, Enabled, true)
    QV_FORMS_PROPERTY(bool, KeyPreview, false)
    // Where the window first shows: 0 where Left and Top say, 1 and 2 in the middle of the
    // screen, 3 a little below and right of the last window placed that way.
    QV_FORMS_PROPERTY(int, StartUpPosition, 0)

    int Width() const { return width_; }
    int Height() const { return height_; }
    void Width(int w);
    void Height(int h);
    void Move(int left, int top, int width, int height);
    // The client area, in twips: the size less the border and the caption bar.
    int ScaleWidth() const;
    int ScaleHeight() const;
    // Border and caption bar, in pixels, by BorderStyle.
    int borderPixels() const;
    int captionPixels() const;

    bool Visible() const { return visible_; }
    // Setting Visible True shows the form modeless (loading it first); False hides it.
    void Visible(bool v);
    void Show(int modal = 0);
    void Hide();
    bool loaded() const { return loaded_; }
    bool isModal() const { return modal_; }
    // Whether the window is in the topmost band (clsOnTop puts it there).
    bool isTopmost() const;
    void setTopmost(bool t);

    // The window's region as region data (a header and rectangles, in pixels); empty for none.
    // The design's "Region" shapes the window as the form loads; setting it shapes it at once.
    const std::vector<uint8_t>& windowRegion() const { return region_; }
    void setWindowRegion(std::vector<uint8_t> data);

    // Opens a menu at the cursor and runs the chosen entry's Click before returning.
    void PopupMenu(Menu& menu);
    void Refresh() { changed(); }
    int changeCount() const { return changes_; }

    // ---- the window
    // The form's window while it is loaded, else 0.
    gui::HWnd hWnd() const { return hwnd_; }
    // The window its controls' windows are children of and its windowless controls are drawn
    // on: its own (for the inside of a user control, that control's).
    virtual gui::HWnd clientWindow() const { return hwnd_; }
    // Whether the form has a top-level window of its own (the inside of a user control has not).
    virtual bool ownsWindow() const { return true; }
    // The form whose window this one shows in.
    virtual Form& topForm() { return *this; }
    // The tooltip window that shows the ToolTipText of its controls; made on first use, 0
    // while the form has no window.
    gui::HWnd toolTipWindow();
    // A picture of the whole window as it looks now, its caption bar in the active colours or
    // not; the form is loaded first. An empty canvas for a form with no window.
    gfx::Canvas printWindow(bool active);
    // The form's window procedure.
    gui::LResult windowProc(gui::HWnd hwnd, gui::MessageId msg, gui::WParam w, gui::LParam l);
    // The mouse among the windowless controls on the form's client area.
    ClientInput& clientInput() { return input_; }

    const std::vector<Control*>& Controls() const { return controls_; }
    // The control of that name and index (-1: not an array element), or nullptr.
    Control* findControl(std::string_view name, int index = -1) const;
    Control* ActiveControl() const { return focus_; }

    // Test input, in pixels within the client area: it goes in as a person's input at that
    // point of the screen (the form must show), through the window system to the window
    // there. Keys go to the window with the focus (the form's own when none of it has it).
    void injectMouseDown(int button, int shift, int x, int y);
    void injectMouseMove(int button, int shift, int x, int y);
    void injectMouseUp(int button, int shift, int x, int y);
    // Keys, to the control with the focus. Tab (9) reaches it and then moves the focus to the
    // next control that can take it in TabIndex order (with Shift, to the one before).
    void injectKeyDown(int keyCode, int shift = 0);
    void injectKeyUp(int keyCode, int shift = 0);
    void injectKeyPress(int keyAscii);
    // The pointer leaves the form's client area.
    void injectMouseLeave();
    // Down and up at one point: the control there gets its Click.
    void injectClick(int x, int y, int button = kLeftButton);
    // Down and up in the middle of a control, shown and enabled on its form: the press and the
    // release go to the control's window (its container's for a windowless one) as the window
    // system delivers them, whether or not the form shows; where the window shows, the pointer
    // moves there first.
    void clickControl(Control& c, int button = kLeftButton);
    // The close box of the title bar: QueryUnload with kFormControlMenu, then Unload.
    void closeByUser();
    // The topmost shown control under a point of the client area (in pixels), or nullptr.
    Control* controlAt(int x, int y) const;

    // Used by controls and by the loader.
    void registerControl(Control* c);
    void unregisterControl(Control* c);
    // Moves the focus; every control hears of it.
    void focusControl(Control* c);
    // Creates a control-array element for a design entry; the arrays answer.
    struct ArrayFactory {
        std::string name;
        Control* (*create)(void* array, int index);
        void* array;
    };
    void registerArray(ArrayFactory f) { arrays_.push_back(std::move(f)); }
    void unregisterArray(void* array);
    const std::string& designName() const { return designName_; }

    // Makes the windows of the controls that have none yet (a control made after the load).
    void attachControls();

protected:
    // A property changed: the window follows and is painted again.
    void changed();

private:
    friend void Load(Form& f);
    friend bool Unload(Form& f);
    friend void unloadWithMode(Form& f, int mode);
    void applyFormDesign(const DesignEntry& e);
    void applyControls(const Design& d);
    bool unloadSteps(int mode);
    void notifyShown();

    // The window (form_window_proc.cpp).
    void createWindows();
    void destroyWindows();
    void syncWindow();
    void applyRegion();
    void paintClient(gui::HWnd hwnd);
    gui::LResult mouseMessage(gui::HWnd hwnd, gui::MessageId msg, gui::WParam w, gui::LParam l);
    void frameMouse(gui::MessageId msg, gfx::Point windowPoint);
    void followWindowMove(int x, int y);
    void runModal();
    // Delivers what the window system has queued for the test input.
    void pumpInput();

    void ownDown(int button, int shift, float x, float y) override;
    void ownMove(int buttons, int shift, float x, float y) override;
    void ownUp(int button, int shift, float x, float y) override;
    void ownClick(int button, float x, float y) override;
    void ownDblClick(int button, float x, float y) override;
    bool ownTakesDoubleClicks() const override { return true; }
    bool ownContains(float x, float y) const override;
    float toScale(float twips) const;

    std::string name_;
    std::string designName_;
    int width_ = 4800;
    int height_ = 3600;
    bool visible_ = false;
    bool loaded_ = false;
    bool placed_ = false;  // StartUpPosition has been applied
    bool loading_ = false;
    bool modal_ = false;
    bool topmost_ = false;
    int changes_ = 0;
    std::vector<uint8_t> region_;
    std::vector<Control*> controls_;
    std::vector<ArrayFactory> arrays_;
    Control* focus_ = nullptr;

    gui::HWnd hwnd_ = 0;
    gui::HWnd tip_ = 0;  // the tooltip window of its controls' ToolTipText
    ClientInput input_{*this, nullptr, *this};
    std::optional<bool> printActive_;  // while a picture is taken: the caption bar's look
    // A drag of the caption bar or a press on the close box, in screen pixels.
    enum class FramePress { None, Caption, Close } framePress_ = FramePress::None;
    gfx::Point dragFrom_{};
    gfx::Point dragStart_{};
};

// Loads a form (reads its design, then raises Load); a loaded form is left as it is.
void Load(Form& f);
// Unloads a form by code: QueryUnload and Unload, either of which may cancel; then the form is
// hidden and marked unloaded, and an instance made by Default or New is released once no
// handler runs. Returns false when cancelled or not loaded.
bool Unload(Form& f);

// Where design files are read from ("<folder>/<designName>.qvf").
void setDesignFolder(std::string folder);
const std::string& designFolder();

}  // namespace qv::forms
