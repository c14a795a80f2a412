#include "ui/main/frm_ads.h"

#include "platform/forms/instances.h"

namespace qv::ui {

frmAds::frmAds() : Form("frmAds", "frmAds") {
    WebBrowser1.NavigateComplete2 = [this](const std::string& url) { WebBrowser1_NavigateComplete2(url); };
    Timer1.Tick = [this] { Timer1_Timer(); };
}

void frmAds::Form_Load() {
    Hide();
    WebBrowser1.Navigate2(kBannerAddress);
}

void frmAds::WebBrowser1_NavigateComplete2(const std::string& /*url*/) {
    Show();
    Timer1.Enabled(true);
}

void frmAds::Timer1_Timer() {
    Timer1.Enabled(false);
    if (mainTimer13) {
        mainTimer13->Interval(10500);
        mainTimer13->Enabled(true);
    }
    forms::Unload(*this);
}

void frmAds::Form_Click() { forms::Unload(*this); }

}  // namespace qv::ui
