#include "ui/windows/service_alert_view.h"

#include <string>

#include "controls/on_top.h"

namespace qv::ui {

void ServiceAlertView::setLblDESC(std::string_view c) { if (auto* f = form()) f->lblDESC.Caption(std::string(c)); }
void ServiceAlertView::setLblDESCTag(std::string_view p) { if (auto* f = form()) f->lblDESC.Tag(std::string(p)); }
void ServiceAlertView::setTag(std::string_view r) { if (auto* f = form()) f->Tag(std::string(r)); }

void ServiceAlertView::Show() {
    if (auto* f = form()) f->Show();
}

void ServiceAlertView::MakeTopMost() {
    auto* f = form();
    if (!f) return;
    controls::clsOnTop().MakeTopMost(f->window.hWnd());
    f->window.sync();
}

}  // namespace qv::ui
