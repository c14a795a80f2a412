#include "platform/forms/msgbox_window.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/forms/dialog_place.h"
#include "platform/forms/file_dialog_window.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/picture.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

constexpr int kTw = kTwipsPerPixel;
constexpr int kMargin = 12, kIconSize = 32, kButtonWidth = 75, kButtonHeight = 23, kButtonGap = 6;
constexpr int kMaxTextWidth = 400;

const char* captionOf(int button) {
    switch (button) {
        case vbOK: return "OK";
        case vbCancel: return "Cancel";
        case vbAbort: return "&Abort";
        case vbRetry: return "&Retry";
        case vbIgnore: return "&Ignore";
        case vbYes: return "&Yes";
        case vbNo: return "&No";
        default: return "";
    }
}

// The style's icon: a red disc with "x", a blue disc with "?" or "i", a yellow triangle with "!".
PictureRef iconOf(int icon) {
    if (icon == 0) return nullptr;
    gfx::Canvas image(kIconSize, kIconSize, 0), mask(kIconSize, kIconSize, gfx::rgb(255, 255, 255));
    gfx::DeviceContext ic(image), mc(mask);
    ic.selectPen({gfx::PenStyle::Solid, 1, 0});
    mc.selectPen({gfx::PenStyle::Solid, 1, 0});
    mc.selectBrush(gfx::Brush::solid(0));
    gfx::Rect glyph{0, 0, kIconSize, kIconSize};
    const char* mark = icon == vbCritical ? "x" : icon == vbQuestion ? "?" : icon == vbExclamation ? "!" : "i";
    gfx::Colour ink = gfx::rgb(255, 255, 255);
    if (icon == vbExclamation) {
        const gfx::Point tri[] = {{15, 1}, {30, 30}, {1, 30}};
        ic.selectBrush(gfx::Brush::solid(gfx::rgb(255, 255, 0)));
        ic.polygon(tri);
        mc.polygon(tri);
        glyph.top += 8;
        ink = 0;
    } else {
        ic.selectBrush(gfx::Brush::solid(icon == vbCritical ? gfx::rgb(255, 0, 0) : gfx::rgb(0, 0, 255)));
        ic.ellipse(1, 1, 31, 31);
        mc.ellipse(1, 1, 31, 31);
    }
    ic.selectFont(gfx::Font{"MS Sans Serif", 14, true});
    ic.setBkMode(gfx::BackgroundMode::Transparent);
    ic.setTextColour(ink);
    ic.drawText(mark, glyph, gfx::dt::kCenter | gfx::dt::kVCenter | gfx::dt::kSingleLine | gfx::dt::kNoPrefix);
    return gfx::Picture::icon(std::move(image), std::move(mask));
}

class frmMsgBox : public Form {
public:
    frmMsgBox(const MessageBoxRequest& r, std::shared_ptr<int> result)
        : Form("frmMsgBox"), request_(r), answer_(std::move(result)) {
        BorderStyle(3);
        ShowInTaskbar(false);
        Caption(r.title);
        lblText.Caption(r.text);
        lblText.UseMnemonic(false);
        imgIcon.Picture(iconOf(r.icon()));
        for (int b : r.buttons()) {
            auto cmd = std::make_unique<CommandButton>(*this, "cmd" + std::to_string(b));
            cmd->Caption(captionOf(b));
            cmd->Default(b == r.defaultButton());
            cmd->Cancel(b == vbCancel);
            cmd->Click = [this, b] { answerWith(b); };
            buttons_.push_back(std::move(cmd));
        }
        layOut();
    }

    void Form_Load() override { setTopmost(true); }
    void Form_Activate() override {
        for (auto& b : buttons_)
            if (b->Default()) b->SetFocus();
    }
    // The close box: Cancel, or the default answer when there is no Cancel.
    void Form_QueryUnload(int&, int mode) override {
        if (mode != kFormControlMenu) return;
        const auto b = request_.buttons();
        *answer_ = std::find(b.begin(), b.end(), vbCancel) != b.end() ? vbCancel : request_.defaultButton();
    }

private:
    void answerWith(int button) {
        *answer_ = button;
        Unload(*this);
    }

    void layOut() {
        gfx::Canvas probe(1, 1);
        gfx::DeviceContext dc(probe);
        dc.selectFont(gfx::Font{Font().Name, Font().Size});
        gfx::Rect text{0, 0, kMaxTextWidth, 0};
        dc.drawText(request_.text, text, gfx::dt::kWordBreak | gfx::dt::kNoPrefix | gfx::dt::kCalcRect);
        const bool icon = imgIcon.Picture() != nullptr;
        const int textLeft = kMargin + (icon ? kIconSize + kMargin : 0);
        const int textTop = kMargin + std::max(0, (icon ? kIconSize : 0) - int(text.height())) / 2;
        const int rowWidth = int(buttons_.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
        const int width = std::max(textLeft + int(text.width()) + kMargin, rowWidth + 2 * kMargin);
        const int buttonsTop = std::max(textTop + int(text.height()), icon ? kMargin + kIconSize : 0) + kMargin;
        imgIcon.Visible(icon);
        imgIcon.Move(kMargin * kTw, kMargin * kTw, kIconSize * kTw, kIconSize * kTw);
        lblText.Move(textLeft * kTw, textTop * kTw, (int(text.width()) + 1) * kTw, int(text.height()) * kTw);
        int x = (width - rowWidth) / 2;
        for (auto& b : buttons_) {
            b->Move(x * kTw, buttonsTop * kTw, kButtonWidth * kTw, kButtonHeight * kTw);
            x += kButtonWidth + kButtonGap;
        }
        placeDialog(*this, width, buttonsTop + kButtonHeight + kMargin);
    }

    MessageBoxRequest request_;
    std::shared_ptr<int> answer_;
    Image imgIcon{*this, "imgIcon"};
    Label lblText{*this, "lblText"};
    std::vector<std::unique_ptr<CommandButton>> buttons_;
};

}  // namespace

int WindowPrompter::messageBox(const MessageBoxRequest& r) {
    auto answer = std::make_shared<int>(r.defaultButton());
    New<frmMsgBox>(r, answer).Show(1);
    return *answer;
}

std::optional<std::string> WindowPrompter::fileDialog(const FileDialogRequest& r) { return showFileDialog(r); }

}  // namespace qv::forms
