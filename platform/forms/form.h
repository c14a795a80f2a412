#pragma once
// A form: one window of the program with its controls as named members. A form class derives
// from Form, declares its controls as members (constructed with *this and their names), wires
// their events in its constructor, and overrides the Form_ events it handles.
//
// Life cycle: Initialize when the object is made (by Default or New), Load when it is first
// used, Show and Hide, Unload (QueryUnload and Unload may cancel), and Terminate when the object
// is released, which for an unload inside a handler happens after that handler has returned.
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/design.h"
#include "platform/forms/types.h"

namespace qv::forms {

class Control;
class Menu;

class Form {
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
    bool isTopmost() const { return topmost_; }
    void setTopmost(bool t) { topmost_ = t; }

    // The window's region as region data (a header and rectangles, in pixels); empty for none.
    const std::vector<uint8_t>& windowRegion() const { return region_; }
    void setWindowRegion(std::vector<uint8_t> data) { region_ = std::move(data); ++changes_; }

    // Opens a menu at the cursor and runs the chosen entry's Click before returning.
    void PopupMenu(Menu& menu);
    void Refresh() { ++changes_; }
    int changeCount() const { return changes_; }

    const std::vector<Control*>& Controls() const { return controls_; }
    // The control of that name and index (-1: not an array element), or nullptr.
    Control* findControl(std::string_view name, int index = -1) const;
    Control* ActiveControl() const { return focus_; }

    // Input from the window system or a test, in pixels within the client area.
    void injectMouseDown(int button, int shift, int x, int y);
    void injectMouseMove(int button, int shift, int x, int y);
    void injectMouseUp(int button, int shift, int x, int y);
    // The pointer leaves the form's client area.
    void injectMouseLeave();
    // Down and up at one point: the control there gets its Click.
    void injectClick(int x, int y, int button = kLeftButton);
    // Down and up in the middle of a control.
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

protected:
    void changed() { ++changes_; }

private:
    friend void Load(Form& f);
    friend bool Unload(Form& f);
    friend void unloadWithMode(Form& f, int mode);
    void applyFormDesign(const DesignEntry& e);
    void applyControls(const Design& d);
    bool unloadSteps(int mode);
    void notifyShown();
    void hover(Control* c);

    std::string name_;
    std::string designName_;
    int width_ = 4800;
    int height_ = 3600;
    bool visible_ = false;
    bool loaded_ = false;
    bool loading_ = false;
    bool modal_ = false;
    bool topmost_ = false;
    int changes_ = 0;
    std::vector<uint8_t> region_;
    std::vector<Control*> controls_;
    std::vector<ArrayFactory> arrays_;
    Control* focus_ = nullptr;
    Control* captured_ = nullptr;
    Control* hovered_ = nullptr;
    int captureButtons_ = 0;
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
