#pragma once
// The engine's hold on one dangerous-port alert window.
#include <string_view>

#include "engine/alert_windows.h"
#include "ui/windows/alert_view.h"
#include "ui/windows/frm_service_alert.h"

namespace qv::ui {

class ServiceAlertView final : public AlertView<frmServiceAlert, engine::ServiceAlert> {
public:
    using AlertView::AlertView;

    void setLblDESC(std::string_view caption) override;
    void setLblDESCTag(std::string_view port) override;
    void setTag(std::string_view remoteAddress) override;
};

}  // namespace qv::ui
