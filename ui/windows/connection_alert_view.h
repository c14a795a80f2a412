#pragma once
// The engine's hold on one connection alert window. Calls on a window that has closed (or been
// released) do nothing.
#include <memory>
#include <string_view>

#include "engine/alert_windows.h"
#include "ui/windows/frm_alert.h"

namespace qv::ui {

class ConnectionAlertView final : public engine::ConnectionAlert {
public:
    explicit ConnectionAlertView(frmAlert& form) : form_(&form), alive_(form.lifetime()) {}

    bool Closed() const override { return alive_.expired() || !form_->loaded(); }

    void setLblpath(std::string_view caption) override;
    void setLblDESC(std::string_view caption) override;
    void setLbltrojan(std::string_view caption) override;
    void setText1(std::string_view text) override;
    void setTxtfile(std::string_view text) override;
    void setTxthost(std::string_view text) override;
    void setTxtport(std::string_view text) override;
    void setTag(std::string_view tag) override;
    void Show() override;
    void MakeTopMost() override;

    // The window while it is open; nullptr once it has closed.
    frmAlert* form() const { return Closed() ? nullptr : form_; }

private:
    frmAlert* form_;
    std::weak_ptr<const int> alive_;
};

}  // namespace qv::ui
