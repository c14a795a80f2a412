#include "ui/windows/alert_window_set.h"

#include "platform/forms/instances.h"
#include "ui/windows/connection_alert_view.h"
#include "ui/windows/frm_block_all.h"
#include "ui/windows/service_alert_view.h"

namespace qv::ui {

std::shared_ptr<engine::ConnectionAlert> AlertWindowSet::newConnectionAlert() {
    return std::make_shared<ConnectionAlertView>(forms::New<frmAlert>(main_));
}

std::shared_ptr<engine::ServiceAlert> AlertWindowSet::newServiceAlert() {
    return std::make_shared<ServiceAlertView>(forms::New<frmServiceAlert>(main_));
}

bool AlertWindowSet::blockAllVisible() const { return BlockAllVisible(); }

}  // namespace qv::ui
