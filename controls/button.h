#pragma once
// isButton: the owner-drawn command button of every window. It paints itself in one of eleven
// looks (Style 0 to 10) by its ButtonState (1 normal, 2 hot, 3 pressed, 4 disabled), learns
// of the pointer through a hook on its window (mouse move, mouse leave, theme and system
// colour changes), shows its own tooltip while the pointer is over it, and raises Click,
// MouseEnter and MouseLeave. Hosts bind Click and set Caption and Enabled; everything else
// comes from the saved properties.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "controls/button_hook.h"
#include "controls/button_looks.h"
#include "platform/forms/event.h"
#include "platform/forms/hosting/user_control.h"
#include "platform/forms/picture.h"
#include "platform/gui/tooltip.h"

namespace qv::controls {

class isButton : public forms::UserControl {
public:
    static constexpr const char* kVersion = "3.7.0";

    isButton(forms::Form& owner, std::string name, int index = -1);
    ~isButton() override;

    std::string_view kind() const override { return "isButton"; }

    // Events, in the order declared.
    forms::Event<> Click;
    forms::Event<> MouseEnter;
    forms::Event<> MouseLeave;

    // Members in the order of the interface.
    // Draws the icon of that handle in grey at (x, y) in width by height (0: its own size);
    // false without a device context or an icon.
    bool PaintIconGrayscale(gfx::DeviceContext* dc, std::uint32_t iconHandle, int x = 0, int y = 0, int height = 0,
                            int width = 0);
    // Repaints by Style and ButtonState.
    void Refresh();
    std::string Version() const { return kVersion; }

    std::int32_t Style() const { return style_; }
    void Style(std::int32_t v);
    const std::string& Caption() const { return caption_; }
    void Caption(const std::string& v);
    const forms::PictureRef& Icon() const { return icon_; }
    void Icon(const forms::PictureRef& v);
    std::int32_t IconAlign() const { return iconAlign_; }
    void IconAlign(std::int32_t v);
    std::int16_t IconSize() const { return iconSize_; }
    void IconSize(std::int16_t v);
    std::int32_t CaptionAlign() const { return captionAlign_; }
    void CaptionAlign(std::int32_t v);
    std::int32_t NonThemeStyle() const { return nonThemeStyle_; }
    void NonThemeStyle(std::int32_t v);
    bool Enabled() const { return Control::Enabled(); }
    void Enabled(bool v) override;
    bool ShowFocus() const { return showFocus_; }
    void ShowFocus(bool v);
    bool UseCustomColors() const { return useCustomColors_; }
    void UseCustomColors(bool v);
    forms::OleColor BackColor() const { return backColor_; }
    void BackColor(forms::OleColor v);
    forms::OleColor HighlightColor() const { return highlightColor_; }
    void HighlightColor(forms::OleColor v);
    forms::OleColor FontColor() const { return fontColor_; }
    void FontColor(forms::OleColor v);
    forms::OleColor FontHighlightColor() const { return fontHighlightColor_; }
    void FontHighlightColor(forms::OleColor v);
    const std::string& ToolTipText() const { return toolTipText_; }
    void ToolTipText(const std::string& v);
    const std::string& ToolTipTitle() const { return toolTipTitle_; }
    void ToolTipTitle(const std::string& v);
    std::int32_t ToolTipIcon() const { return toolTipIcon_; }
    void ToolTipIcon(std::int32_t v);
    std::int32_t ToolTipType() const { return toolTipType_; }
    void ToolTipType(std::int32_t v);
    forms::OleColor ToolTipBackColor() const { return toolTipBackColor_; }
    void ToolTipBackColor(forms::OleColor v);
    forms::OleColor ToolTipForeColor() const { return toolTipForeColor_; }
    void ToolTipForeColor(forms::OleColor v);
    const forms::StdFont& Font() const { return Control::Font(); }
    void Font(const forms::StdFont& v);
    std::int32_t ButtonType() const { return buttonType_; }
    void ButtonType(std::int32_t v);
    std::int32_t MousePointer() const { return Control::MousePointer(); }
    void MousePointer(std::int32_t v);
    bool Value() const { return value_; }
    void Value(bool v);
    forms::OleColor MaskColor() const { return maskColor_; }
    void MaskColor(forms::OleColor v);
    bool UseMaskColor() const { return useMaskColor_; }
    void UseMaskColor(bool v);
    bool RoundedBordersByTheme() const { return roundedBordersByTheme_; }
    void RoundedBordersByTheme(bool v);
    bool RightToLeft() const { return rightToLeft_; }
    void RightToLeft(bool v);
    // Asks the shell to open the link; the shell's result (above 32: started).
    std::intptr_t OpenLink(const std::string& link);

    // What the control shows now, for its host and its tests.
    int ButtonState() const { return state_; }
    bool hasFocus() const { return focused_; }
    bool pointerOver() const { return pointerOver_; }
    gui::HWnd tooltipWindow() const { return tooltip_; }
    const gfx::Rect& captionRect() const { return captionRect_; }
    unsigned textFlags() const { return textFlags_; }
    int textInset() const { return textInset_; }
    const MessageHook& hook() const { return hook_; }

    // Its window, a child of the host's, which its hook and tooltip work on; a button sited
    // before the window came is hooked as it comes.
    void attachWindow() override;

protected:
    void UserControl_Initialize() override;
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(forms::PropertyBag& bag) override;
    void UserControl_WriteProperties(forms::PropertyBag& bag) override;
    void UserControl_Resize() override;
    void UserControl_Paint() override;
    void UserControl_Show() override;
    void UserControl_Hide() override;
    void UserControl_AmbientChanged(const std::string& name) override;
    void UserControl_EnterFocus() override;
    void UserControl_ExitFocus() override;
    void UserControl_GotFocus() override;
    void UserControl_LostFocus() override;
    void UserControl_KeyDown(int& keyCode, int shift) override;
    void UserControl_KeyUp(int& keyCode, int shift) override;
    void UserControl_AccessKeyPress(int keyAscii) override;
    void UserControl_MouseDown(int button, int shift, float x, float y) override;
    void UserControl_MouseUp(int button, int shift, float x, float y) override;
    void UserControl_Click() override;
    void UserControl_DblClick() override;
    void UserControl_Terminate() override;

private:
    // The hook.
    void setUpHook();
    void zSubclassProc(bool before, bool& handled, gui::LResult& result, gui::HWnd hwnd, gui::MessageId msg,
                       gui::WParam w, gui::LParam l, std::intptr_t& user);
    void StartTrackMouseLeave(gui::HWnd hwnd);
    // The tooltip.
    void CreateToolTip();
    void RemoveToolTip();
    // Input.
    void clickRoutine();
    void pressLeft();
    void sendTab(bool previous);
    // Whether the control was destroyed or terminated since `life` was taken from live_; it
    // looks at nothing of the control itself, which may be gone.
    static bool gone(const std::weak_ptr<bool>& life) {
        const std::shared_ptr<bool> l = life.lock();
        return !l || !*l;
    }
    // Layout and paint.
    void SetButtonRegion();
    void DrawCaption();
    void drawIcon();
    bool DrawThemedButton();
    void paintLook(LookSurface& surface, int style);
    LookInputs lookInputs() const;
    // Notify, then repaint (or lay out and repaint): the side effects of most setters.
    void repaintAfterSet(const std::string& name);
    void layOutAfterSet(const std::string& name);

    MessageHook hook_;
    // True from siting to termination; destroyed with the control.
    std::shared_ptr<bool> live_ = std::make_shared<bool>(false);

    // Run-time fields.
    int state_ = kStateNormal;
    bool focused_ = false;
    bool shown_ = false;
    bool pointerOver_ = false;
    int lastButton_ = 0;
    gui::HWnd tooltip_ = 0;
    gui::ToolInfo toolInfo_;
    bool tipTextTaken_ = false;  // the host's tooltip text is in the control's keeping

    // Layout and paint fields.
    gfx::Rect captionRect_;
    unsigned textFlags_ = 17;
    int textInset_ = 4;

    // Properties.
    std::int32_t style_ = 0;
    std::string caption_;
    forms::PictureRef icon_;
    std::int32_t iconAlign_ = 1;
    std::int16_t iconSize_ = 16;
    std::int32_t captionAlign_ = 0;
    std::int32_t nonThemeStyle_ = 0;
    bool showFocus_ = false;
    bool useCustomColors_ = false;
    forms::OleColor backColor_ = 0;
    forms::OleColor highlightColor_ = 0;
    forms::OleColor fontColor_ = 0;
    forms::OleColor fontHighlightColor_ = 0;
    std::string toolTipText_;
    std::string toolTipTitle_;
    std::int32_t toolTipIcon_ = 0;
    std::int32_t toolTipType_ = 1;
    forms::OleColor toolTipBackColor_ = 0;
    forms::OleColor toolTipForeColor_ = 0;
    std::int32_t buttonType_ = 0;
    bool value_ = false;
    forms::OleColor maskColor_ = 0;
    bool useMaskColor_ = false;
    bool roundedBordersByTheme_ = false;
    bool rightToLeft_ = false;
};

}  // namespace qv::controls
