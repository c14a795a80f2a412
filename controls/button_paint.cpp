// isButton's paint: the look of its Style in its ButtonState, then the icon and the caption.
#include "controls/button.h"
#include "controls/button_colours.h"
#include "controls/button_icons.h"
#include "platform/base/convert.h"
#include "platform/gfx/picture.h"

namespace qv::controls {
namespace {

gfx::Colour sys(int index) { return gfx::sysColour(index); }

int half(int v) { return int(base::roundHalfEven(v / 2.0)); }

}  // namespace

LookInputs isButton::lookInputs() const {
    LookInputs in;
    in.width = ScaleWidth();
    in.height = ScaleHeight();
    in.state = state_;
    in.focused = focused_;
    in.showFocus = showFocus_;
    in.useCustomColors = useCustomColors_;
    in.backColor = backColor_;
    in.highlightColor = highlightColor_;
    in.displayAsDefault = Ambient().DisplayAsDefault;
    return in;
}

void isButton::Refresh() {
    Control::Refresh();
    Cls();
    textInset_ = 3;
    if (!shown_) return;
    if (!Ambient().UserMode && style_ != 5) state_ = kStateHot;
    if (buttonType_ == 1 && value_) state_ = kStatePressed;
    LookSurface surface(hDC(), ScaleWidth(), ScaleHeight());
    if (!Enabled()) {
        state_ = kStateDisabled;
        surface.background(sys(gfx::kColourButtonFace));
    }
    paintLook(surface, style_);
    if (auto back = surface.backgroundSet()) Control::BackColor(*back);
    drawIcon();
    DrawCaption();
}

void isButton::paintLook(LookSurface& surface, int style) {
    if (style == 6) {
        surface.background(sys(gfx::kColourButtonFace));
        if (DrawThemedButton()) return;
        // No theme to draw with: the button takes its other look for good, at once.
        style_ = nonThemeStyle_;
        SetButtonRegion();
        if (style_ != 6) paintLook(surface, style_);
        return;
    }
    if (DrawLook(style, surface, lookInputs())) textInset_ = textInsetOf(style);
}

// There is no theme engine on this system, so the themed look is never drawn.
bool isButton::DrawThemedButton() { return false; }

void isButton::drawIcon() {
    if (!icon_ || icon_->handle() == 0) return;
    const int S = iconSize_, W = ScaleWidth(), H = ScaleHeight(), I = textInset_;
    int x = 0, y = 0;
    switch (iconAlign_) {
        case 0: x = half(W - S), y = half(H - S); break;
        case 1: x = I, y = half(H - S); break;
        case 2: x = W - S - I, y = half(H - S); break;
        case 3: x = half(W - S), y = I; break;
        case 4: x = half(W - S), y = H - S - I; break;
        default: break;
    }
    if (state_ == kStatePressed) ++x, ++y;
    gfx::DeviceContext& dc = hDC();
    if (style_ == 4 && state_ == kStateHot) {
        // The icon casts a grey shadow down and right, and is drawn again above it.
        const gfx::Colour shadow = gfx::rgb(128, 128, 128);
        if (!useMaskColor_) {
            dc.drawIcon(x, y, icon_.get(), S, S);
            const gfx::Colour ground = dc.getPixel(1, 1);
            for (int j = y; j <= y + S; ++j)
                for (int i = x; i <= x + S; ++i)
                    if (dc.getPixel(i, j) != ground) dc.setPixelV(i, j, shadow);
        } else {
            DrawIconMasked(dc, x + 1, y + 1, S, S, icon_.get(), maskColor_, true, {shadow, false, false, false});
            DrawIconMasked(dc, x - 1, y - 1, S, S, icon_.get(), maskColor_, true, {});
        }
        x -= 2, y -= 2;
    }
    if (useMaskColor_) {
        DrawIconMasked(dc, x, y, S, S, icon_.get(), maskColor_, true, {std::nullopt, false, !Enabled(), false});
    } else if (Enabled()) {
        dc.drawIcon(x, y, icon_.get(), S, S);
    } else {
        PaintIconGrayscale(&dc, icon_->handle(), x, y, S, S);
    }
}

bool isButton::PaintIconGrayscale(gfx::DeviceContext* dc, std::uint32_t iconHandle, int x, int y, int height,
                                  int width) {
    if (dc == nullptr) return false;
    const gfx::PicturePtr icon = gfx::findPicture(iconHandle);
    return paintIconGrey(*dc, icon.get(), x, y, width, height);
}

void isButton::DrawCaption() {
    gfx::Colour colour = sys(state_ == kStateDisabled ? gfx::kColourGrayText : gfx::kColourButtonText);
    if (useCustomColors_ && state_ != kStateDisabled)
        colour = state_ == kStateNormal ? fontColor_ : fontHighlightColor_;
    gfx::DeviceContext& dc = hDC();
    const forms::StdFont& f = Control::Font();
    dc.selectFont(gfx::Font{f.Name, f.Size, f.Bold, f.Italic, f.Underline, f.Strikethrough});
    dc.setTextColour(colour);
    dc.setBkMode(gfx::BackgroundMode::Transparent);
    gfx::Rect r = captionRect_;
    dc.drawText(caption_, r, textFlags_);
}

}  // namespace qv::controls
