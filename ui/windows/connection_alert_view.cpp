#include "ui/windows/connection_alert_view.h"

#include <string>

namespace qv::ui {

void ConnectionAlertView::setLblpath(std::string_view c) { if (auto* f = form()) f->lblpath.Caption(std::string(c)); }
void ConnectionAlertView::setLblDESC(std::string_view c) { if (auto* f = form()) f->lblDESC.Caption(std::string(c)); }
void ConnectionAlertView::setLbltrojan(std::string_view c) { if (auto* f = form()) f->lbltrojan.Caption(std::string(c)); }
void ConnectionAlertView::setText1(std::string_view t) { if (auto* f = form()) f->Text1.Text(std::string(t)); }
void ConnectionAlertView::setTxtfile(std::string_view t) { if (auto* f = form()) f->txtfile.Text(std::string(t)); }
void ConnectionAlertView::setTxthost(std::string_view t) { if (auto* f = form()) f->txthost.Text(std::string(t)); }
void ConnectionAlertView::setTxtport(std::string_view t) { if (auto* f = form()) f->txtport.Text(std::string(t)); }
void ConnectionAlertView::setTag(std::string_view t) { if (auto* f = form()) f->Tag(std::string(t)); }
void ConnectionAlertView::setEndpoints(const engine::ConnectionEndpoints& e) { if (auto* f = form()) f->endpoints = e; }

}  // namespace qv::ui
