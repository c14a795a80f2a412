#include "ui/windows/service_alert_view.h"

#include <string>

namespace qv::ui {

void ServiceAlertView::setLblDESC(std::string_view c) { if (auto* f = form()) f->lblDESC.Caption(std::string(c)); }
void ServiceAlertView::setLblDESCTag(std::string_view p) { if (auto* f = form()) f->lblDESC.Tag(std::string(p)); }
void ServiceAlertView::setTag(std::string_view r) { if (auto* f = form()) f->Tag(std::string(r)); }

}  // namespace qv::ui
