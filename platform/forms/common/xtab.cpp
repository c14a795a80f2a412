#include "platform/forms/common/xtab.h"

#include <algorithm>
#include <cmath>

#include "platform/base/basic_error.h"
#include "platform/base/text.h"
#include "platform/gfx/font.h"

namespace qv::forms {

void XTab::check(int i) const {
    if (i < 0 || i >= TabCount()) throw base::BasicError(380, "Invalid property value");
}

void XTab::TabCount(int n) {
    if (n < 1) throw base::BasicError(380, "Invalid property value");
    while (TabCount() < n) {
        captions_.push_back("Tab " + std::to_string(TabCount()));
        enabled_.push_back(true);
    }
    captions_.resize(n);
    enabled_.resize(n);
    if (currTab_ >= n) CurrTab(n - 1);
    changed();
}

const std::string& XTab::TabCaption(int i) const {
    check(i);
    return captions_[i];
}

void XTab::TabCaption(int i, const std::string& caption) {
    check(i);
    captions_[i] = caption;
    changed();
}

bool XTab::TabEnabled(int i) const {
    check(i);
    return enabled_[i];
}

void XTab::TabEnabled(int i, bool e) {
    check(i);
    enabled_[i] = e;
    changed();
}

void XTab::CurrTab(int i) {
    check(i);
    if (i == currTab_) return;
    const int last = currTab_;
    currTab_ = i;
    changed();
    syncContents();  // the controls of the tab left hide, those of this one show
    TabSwitch(last);
}

XTab::HeaderRect XTab::headerRect(int i) const {
    check(i);
    gfx::Font font{Font().Name, Font().Size, Font().Bold, Font().Italic, Font().Underline, Font().Strikethrough};
    int left = 2;
    for (int k = 0;; ++k) {
        const int w = std::max(40, gfx::textExtent(font, captions_[k]).cx + 12);
        if (k == i) return {left, 0, left + w, kHeaderPixels};
        left += w;
    }
}

int XTab::tabAt(int x, int y) const {
    if (y < 0 || y >= kHeaderPixels) return -1;
    for (int i = 0; i < TabCount(); ++i) {
        HeaderRect r = headerRect(i);
        if (x >= r.left && x < r.right) return i;
    }
    return -1;
}

void XTab::mouseDown(int button, int shift, float x, float y) {
    Control::mouseDown(button, shift, x, y);
    if (button != kLeftButton) return;
    const int tab = tabAt(static_cast<int>(std::floor(x / kTwipsPerPixel)), static_cast<int>(std::floor(y / kTwipsPerPixel)));
    if (tab >= 0 && enabled_[tab]) CurrTab(tab);
}

bool XTab::applyDesign(const std::string& key, const DesignValue& v) {
    using base::equalsNoCase;
    if (equalsNoCase(key, "Tab")) {
        // The first Tab key replaces the default tab; each further one adds a tab.
        if (!designTabs_) {
            captions_.clear();
            enabled_.clear();
            designTabs_ = true;
        }
        captions_.push_back(v.asText());
        enabled_.push_back(true);
    } else if (equalsNoCase(key, "CurrTab")) {
        const int i = v.asLong();
        if (i < 0 || i >= TabCount()) throw DesignError(v.line, "CurrTab names no tab");
        currTab_ = i;
    } else {
        return Control::applyDesign(key, v);
    }
    changed();
    return true;
}

}  // namespace qv::forms
