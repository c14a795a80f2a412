#pragma once
// The engine's hold on one dangerous-port alert window. Calls on a window that has closed (or
// been released) do nothing.
#include <memory>
#include <string_view>

#include "engine/alert_windows.h"
#include "ui/windows/frm_service_alert.h"

namespace qv::ui {

class ServiceAlertView final : public engine::ServiceAlert {
public:
    explicit ServiceAlertView(frmServiceAlert& form) : form_(&form), alive_(form.lifetime()) {}

    bool Closed() const override { return alive_.expired() || !form_->loaded(); }

    void setLblDESC(std::string_view caption) override;
    void setLblDESCTag(std::string_view port) override;
    void setTag(std::string_view remoteAddress) override;
    void Show() override;
    void MakeTopMost() override;

    frmServiceAlert* form() const { return Closed() ? nullptr : form_; }

private:
    frmServiceAlert* form_;
    std::weak_ptr<const int> alive_;
};

}  // namespace qv::ui
