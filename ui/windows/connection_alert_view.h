#pragma once
// The engine's hold on one connection alert window.
#include <string_view>

#include "engine/alert_windows.h"
#include "ui/windows/alert_view.h"
#include "ui/windows/frm_alert.h"

namespace qv::ui {

class ConnectionAlertView final : public AlertView<frmAlert, engine::ConnectionAlert> {
public:
    using AlertView::AlertView;

    void setLblpath(std::string_view caption) override;
    void setLblDESC(std::string_view caption) override;
    void setLbltrojan(std::string_view caption) override;
    void setText1(std::string_view text) override;
    void setTxtfile(std::string_view text) override;
    void setTxthost(std::string_view text) override;
    void setTxtport(std::string_view text) override;
    void setTag(std::string_view tag) override;
    void setEndpoints(const engine::ConnectionEndpoints& endpoints) override;
};

}  // namespace qv::ui
