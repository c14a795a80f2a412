#pragma once
// XTab: a tab control with captioned tabs along its top; the controls placed on it name their
// tab in TabPage, and only those of the current tab show. Tabs are numbered from 0.
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace qv::forms {

class XTab : public Control {
public:
    XTab(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {
        Width(4800);
        Height(3600);
    }
    std::string_view kind() const override { return "XTab"; }
    bool isContainer() const override { return true; }
    int activePage() const override { return currTab_; }
    int clientOffsetX() const override { return 2 * kTwipsPerPixel; }
    int clientOffsetY() const override { return (kHeaderPixels + 2) * kTwipsPerPixel; }

    // The number of tabs; fewer drops the last ones, more adds tabs captioned "Tab n".
    int TabCount() const { return static_cast<int>(captions_.size()); }
    void TabCount(int n);  // at least 1 (error 380 else)
    // A tab's caption; an index outside 0..TabCount-1 is error 380.
    const std::string& TabCaption(int i) const;
    void TabCaption(int i, const std::string& caption);
    bool TabEnabled(int i) const;
    void TabEnabled(int i, bool e);
    // The current tab. Setting another one raises TabSwitch with the tab left.
    int CurrTab() const { return currTab_; }
    void CurrTab(int i);

    Event<int> TabSwitch;  // LastActiveTab

    // The tab headers, in pixels within the control, left to right in caption order.
    static constexpr int kHeaderPixels = 18;
    struct HeaderRect {
        int left, top, right, bottom;
    };
    HeaderRect headerRect(int i) const;
    // The tab whose header holds a point (pixels), or -1.
    int tabAt(int x, int y) const;

    // A left press on an enabled tab's header makes it current.
    void mouseDown(int button, int shift, float x, float y) override;
    // Designer keys: Tab (one per tab, in order, the caption), CurrTab.
    bool applyDesign(const std::string& key, const DesignValue& v) override;

    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;
private:
    void check(int i) const;
    std::vector<std::string> captions_{"Tab 0"};
    std::vector<bool> enabled_{true};
    bool designTabs_ = false;
    int currTab_ = 0;
};

}  // namespace qv::forms
