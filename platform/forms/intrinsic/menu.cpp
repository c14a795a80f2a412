#include "platform/forms/intrinsic/menu.h"

#include "platform/base/text.h"
#include "platform/forms/form.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

struct PopupState {
    PopupHandler handler;
};

PopupState& popupState() {
    static PopupState s;
    return s;
}

}  // namespace

std::vector<Menu*> Menu::entries() const {
    std::vector<Menu*> out;
    for (Control* c : Parent().Controls()) {
        auto* m = dynamic_cast<Menu*>(c);
        if (m != nullptr && m->parent_ == this) out.push_back(m);
    }
    return out;
}

void Menu::choose() {
    if (!Enabled() || !Visible() || isSeparator()) return;
    Click();
}

bool Menu::applyDesign(const std::string& key, const DesignValue& v) {
    using base::equalsNoCase;
    if (equalsNoCase(key, "Caption")) Caption(v.asText());
    else if (equalsNoCase(key, "Checked")) Checked(v.asBool());
    else if (equalsNoCase(key, "Shortcut")) Shortcut(v.asText());
    else if (equalsNoCase(key, "ParentMenu")) {
        auto* m = dynamic_cast<Menu*>(Parent().findControl(v.asText()));
        if (m == nullptr) throw DesignError(v.line, "no menu " + v.text);
        parent_ = m;
    } else return Control::applyDesign(key, v);
    return true;
}

void setPopupHandler(PopupHandler h) { popupState().handler = std::move(h); }

void Form::PopupMenu(Menu& menu) {
    auto h = popupState().handler;
    if (!h) return;
    const gui::Point at = gui::windows().cursorPos();  // the popup opens at the pointer
    Menu* chosen = h(menu, at.x, at.y);
    if (chosen != nullptr) chosen->choose();
}

}  // namespace qv::forms
