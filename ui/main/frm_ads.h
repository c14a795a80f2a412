#pragma once
// frmAds: an advertisement banner page shown for 25 seconds once it has loaded. Nothing in the
// program opens it, and its banner address lies under the reserved ".invalid" domain, so the
// page never loads and the window never shows. When its time is up it gives the main window's
// Timer13 10.5 seconds more; a click closes it sooner and leaves that timer alone.
#include "platform/forms/common/web_browser.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/timer.h"

namespace qv::ui {

inline constexpr const char* kBannerAddress = "http://ads.quarvelin.invalid/ads.php";

class frmAds : public forms::Form {
public:
    frmAds();
    void Form_Load() override;
    void Form_Click() override;
    void WebBrowser1_NavigateComplete2(const std::string& url);
    void Timer1_Timer();

    // The main window's Timer13, which the banner's time lengthens; none until pointed at it.
    forms::Timer* mainTimer13 = nullptr;

    forms::WebBrowser WebBrowser1{*this, "WebBrowser1"};
    forms::Label Label1{*this, "Label1"};
    forms::Image Image1{*this, "Image1"};
    forms::Timer Timer1{*this, "Timer1"};
};

}  // namespace qv::ui
