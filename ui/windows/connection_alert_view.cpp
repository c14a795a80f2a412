#include "ui/windows/connection_alert_view.h"

#include <string>

#include "controls/on_top.h"

namespace qv::ui {

void ConnectionAlertView::setLblpath(std::string_view c) { if (auto* f = form()) f->lblpath.Caption(std::string(c)); }
void ConnectionAlertView::setLblDESC(std::string_view c) { if (auto* f = form()) f->lblDESC.Caption(std::string(c)); }
void ConnectionAlertView::setLbltrojan(std::string_view c) { if (auto* f = form()) f->lbltrojan.Caption(std::string(c)); }
void ConnectionAlertView::setText1(std::string_view t) { if (auto* f = form()) f->Text1.Text(std::string(t)); }
void ConnectionAlertView::setTxtfile(std::string_view t) { if (auto* f = form()) f->txtfile.Text(std::string(t)); }
void ConnectionAlertView::setTxthost(std::string_view t) { if (auto* f = form()) f->txthost.Text(std::string(t)); }
void ConnectionAlertView::setTxtport(std::string_view t) { if (auto* f = form()) f->txtport.Text(std::string(t)); }
void ConnectionAlertView::setTag(std::string_view t) { if (auto* f = form()) f->Tag(std::string(t)); }

void ConnectionAlertView::Show() {
    if (auto* f = form()) f->Show();
}

void ConnectionAlertView::MakeTopMost() {
    auto* f = form();
    if (!f) return;
    controls::clsOnTop().MakeTopMost(f->window.hWnd());
    f->window.sync();
}

}  // namespace qv::ui
