#pragma once
// Menu: an entry of a form's menu or of a popup menu. Entries under another name it in
// ParentMenu. A popup opened with Form::PopupMenu asks the popup handler which entry the user
// picks (the window system or a test answers) and runs that entry's Click.
#include <functional>
#include <vector>

#include "platform/forms/control.h"

namespace qv::forms {

class Menu : public Control {
public:
    Menu(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {}
    std::string_view kind() const override { return "Menu"; }
    bool windowed() const override { return false; }
    bool shownAtRunTime() const override { return false; }

    QV_FORMS_PROPERTY(std::string, Caption, "")
    QV_FORMS_PROPERTY(bool, Checked, false)
    QV_FORMS_PROPERTY(std::string, Shortcut, "")
    Menu* ParentMenu() const { return parent_; }
    void ParentMenu(Menu* m) { parent_ = m; }
    // The entries under this one, in form order.
    std::vector<Menu*> entries() const;
    // A separator is an entry captioned "-".
    bool isSeparator() const { return Caption() == "-"; }

    // The user picks the entry: Click, when it is enabled and shown.
    void choose();

    bool applyDesign(const std::string& key, const DesignValue& v) override;

private:
    Menu* parent_ = nullptr;
};

// Answers which entry of an open popup the user picks (nullptr: dismissed). Receives the menu
// and the cursor position on the screen in pixels.
using PopupHandler = std::function<Menu*(Menu& popup, int x, int y)>;
void setPopupHandler(PopupHandler h);
// The cursor position that popups open at (the window system or a test sets it).
void setCursorPos(int x, int y);
int cursorX();
int cursorY();

}  // namespace qv::forms
