#include "platform/present/message_box_layout.h"

#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/gfx/device_context.h"
#include "platform/present/message_box_icon.h"

namespace qv::present {
namespace {

constexpr int kMargin = 12, kIconGap = 12, kButtonWidth = 75, kButtonHeight = 23, kButtonGap = 6;
constexpr int kMaxTextWidth = 420, kMinWidth = 120, kTextToButtons = 16;

}  // namespace

std::string buttonCaption(int answer) {
    switch (answer) {
        case forms::vbOK: return "OK";
        case forms::vbCancel: return "Cancel";
        case forms::vbAbort: return "&Abort";
        case forms::vbRetry: return "&Retry";
        case forms::vbIgnore: return "&Ignore";
        case forms::vbYes: return "&Yes";
        case forms::vbNo: return "&No";
        default: return "";
    }
}

int escapeAnswer(const forms::MessageBoxRequest& r) {
    const std::vector<int> b = r.buttons();
    if (std::find(b.begin(), b.end(), forms::vbCancel) != b.end()) return forms::vbCancel;
    return b.size() == 1 && b[0] == forms::vbOK ? forms::vbOK : 0;
}

MessageBoxLayout layoutMessageBox(const forms::MessageBoxRequest& r) {
    MessageBoxLayout out;
    const int kind = r.icon();
    const bool icon = kind == forms::vbCritical || kind == forms::vbQuestion || kind == forms::vbExclamation ||
                      kind == forms::vbInformation;
    gfx::Canvas probe(1, 1);
    gfx::DeviceContext dc(probe);
    dc.selectFont(kMessageBoxFont);
    gfx::Rect fit{0, 0, kMaxTextWidth, 0};
    dc.drawText(r.text, fit, gfx::dt::kWordBreak | gfx::dt::kNoPrefix | gfx::dt::kExpandTabs | gfx::dt::kCalcRect);
    const int textW = int(fit.width()), textH = std::max<int>(int(fit.height()), dc.textMetrics().height);

    const int textLeft = kMargin + (icon ? kMessageIconSize + kIconGap : 0);
    // Text shorter than the icon sits level with its middle.
    const int textTop = kMargin + (icon && textH < kMessageIconSize ? (kMessageIconSize - textH) / 2 : 0);
    if (icon) out.icon = {kMargin, kMargin, kMargin + kMessageIconSize, kMargin + kMessageIconSize};
    out.text = {textLeft, textTop, textLeft + textW, textTop + textH};

    const std::vector<int> answers = r.buttons();
    const int n = int(answers.size());
    const int rowWidth = n * kButtonWidth + (n - 1) * kButtonGap;
    out.width = std::max({int(out.text.right) + kMargin, rowWidth + 2 * kMargin, kMinWidth});
    const int rowTop = std::max<int>(out.text.bottom, icon ? int(out.icon.bottom) : 0) + kTextToButtons;
    int x = (out.width - rowWidth) / 2;
    for (int a : answers) {
        out.buttons.push_back({a, buttonCaption(a), {x, rowTop, x + kButtonWidth, rowTop + kButtonHeight}});
        x += kButtonWidth + kButtonGap;
    }
    out.height = rowTop + kButtonHeight + kMargin;
    return out;
}

}  // namespace qv::present
