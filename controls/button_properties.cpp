// isButton's properties: what setting each does, the defaults of a new control, and how the
// control keeps its properties in its host's property bag. Keys are read and written in
// different orders, and with different defaults for a new control and a loaded one.
#include "controls/button.h"
#include "controls/button_colours.h"

#include "platform/gfx/colour.h"

namespace qv::controls {
namespace {

forms::OleColor sys(int index) { return gfx::sysColour(index); }

// The tooltip colours a load without them gives: the system's tooltip background and text.
forms::OleColor tipBack() { return sys(gfx::kColourInfoBackground); }
forms::OleColor tipText() { return sys(gfx::kColourInfoText); }

}  // namespace

void isButton::repaintAfterSet(const std::string& name) {
    PropertyChanged(name);
    Refresh();
}

void isButton::layOutAfterSet(const std::string& name) {
    PropertyChanged(name);
    UserControl_Resize();
    Refresh();
}

void isButton::Style(std::int32_t v) {
    style_ = v;
    PropertyChanged("Style");
    UserControl_Resize();
    Refresh();
    // Laid out again: the first paint of the new style set its text inset.
    UserControl_Resize();
    Refresh();
}

void isButton::Caption(const std::string& v) {
    caption_ = v;
    layOutAfterSet("Caption");
}

void isButton::Icon(const forms::PictureRef& v) {
    icon_ = v;
    layOutAfterSet("Icon");
}

void isButton::IconAlign(std::int32_t v) {
    iconAlign_ = v;
    layOutAfterSet("IconAlign");
}

void isButton::IconSize(std::int16_t v) {
    iconSize_ = v;
    layOutAfterSet("IconSize");
}

void isButton::CaptionAlign(std::int32_t v) {
    captionAlign_ = v;
    layOutAfterSet("CaptionAlign");
}

void isButton::NonThemeStyle(std::int32_t v) {
    nonThemeStyle_ = v;
    layOutAfterSet("NonThemeStyle");
}

void isButton::Enabled(bool v) {
    Control::Enabled(v);
    state_ = kStateNormal;
    Refresh();
    PropertyChanged("Enabled");
}

void isButton::ShowFocus(bool v) {
    showFocus_ = v;
    repaintAfterSet("ShowFocus");
}

void isButton::UseCustomColors(bool v) {
    useCustomColors_ = v;
    repaintAfterSet("UseCustomColors");
}

void isButton::BackColor(forms::OleColor v) {
    backColor_ = v;
    repaintAfterSet("BackColor");
}

void isButton::HighlightColor(forms::OleColor v) {
    highlightColor_ = v;
    repaintAfterSet("HighlightColor");
}

void isButton::FontColor(forms::OleColor v) {
    fontColor_ = v;
    repaintAfterSet("FontColor");
}

void isButton::FontHighlightColor(forms::OleColor v) {
    fontHighlightColor_ = v;
    repaintAfterSet("FontHighlightColor");
}

void isButton::ToolTipText(const std::string& v) {
    toolTipText_ = v;
    // The host keeps the text for the tooltip to take.
    Extender().ToolTipText(v);
    tipTextTaken_ = false;
    CreateToolTip();
    PropertyChanged("ToolTipText");
    Refresh();
}

void isButton::ToolTipTitle(const std::string& v) {
    toolTipTitle_ = v;
    repaintAfterSet("TooltipTitle");
}

void isButton::ToolTipIcon(std::int32_t v) {
    toolTipIcon_ = v;
    repaintAfterSet("TooltipIcon");
}

void isButton::ToolTipType(std::int32_t v) {
    toolTipType_ = v;
    repaintAfterSet("ToolTipType");
}

void isButton::ToolTipBackColor(forms::OleColor v) {
    toolTipBackColor_ = v;
    repaintAfterSet("ToolTipBackColor");
}

void isButton::ToolTipForeColor(forms::OleColor v) {
    toolTipForeColor_ = v;
    repaintAfterSet("ToolTipForeColor");
}

void isButton::Font(const forms::StdFont& v) {
    Control::Font(v);
    Refresh();
    PropertyChanged("Font");
}

void isButton::ButtonType(std::int32_t v) {
    buttonType_ = v;
    repaintAfterSet("ButtonType");
}

void isButton::MousePointer(std::int32_t v) {
    Control::MousePointer(v);
    PropertyChanged("MousePointer");
}

void isButton::Value(bool v) {
    value_ = v;
    repaintAfterSet("Value");
}

void isButton::MaskColor(forms::OleColor v) {
    maskColor_ = v;
    repaintAfterSet("MaskColor");
}

void isButton::UseMaskColor(bool v) {
    useMaskColor_ = v;
    repaintAfterSet("UseMaskColor");
}

void isButton::RoundedBordersByTheme(bool v) {
    roundedBordersByTheme_ = v;
    repaintAfterSet("RoundedBordersByTheme");
}

void isButton::RightToLeft(bool v) {
    rightToLeft_ = v;
    repaintAfterSet("bRTLText");
}

void isButton::UserControl_InitProperties() {
    style_ = 0;
    caption_ = Ambient().DisplayName;
    iconSize_ = 16;
    icon_ = nullptr;
    textFlags_ = 17;
    Control::Enabled(true);
    showFocus_ = false;
    useCustomColors_ = false;
    backColor_ = TranslateColor(forms::kSysButtonFace);
    highlightColor_ = TranslateColor(forms::kSysHighlight);
    fontColor_ = TranslateColor(forms::kSysButtonText);
    fontHighlightColor_ = TranslateColor(forms::kSysButtonText);
    toolTipType_ = 1;
    captionAlign_ = 0;
    iconAlign_ = 1;
    textInset_ = 4;
    // A control made at run time (none saved for it) works as a loaded one does.
    setUpHook();
}

void isButton::UserControl_ReadProperties(forms::PropertyBag& bag) {
    state_ = kStateNormal;
    icon_ = bag.ReadProperty("Icon", forms::PictureRef{});
    style_ = bag.ReadProperty("Style", std::int32_t{3});
    caption_ = bag.ReadProperty("Caption", "isButton");
    iconSize_ = bag.ReadProperty("IconSize", std::int16_t{16});
    captionAlign_ = bag.ReadProperty("CaptionAlign", std::int32_t{0});
    iconAlign_ = bag.ReadProperty("IconAlign", std::int32_t{1});
    nonThemeStyle_ = bag.ReadProperty("iNonThemeStyle", std::int32_t{5});
    Control::Enabled(bag.ReadProperty("Enabled", true));
    showFocus_ = bag.ReadProperty("ShowFocus", false);
    useCustomColors_ = bag.ReadProperty("USeCustomColors", false);
    backColor_ = bag.ReadProperty("BackColor", sys(gfx::kColourButtonFace));
    highlightColor_ = bag.ReadProperty("HighlightColor", sys(gfx::kColourHighlight));
    fontColor_ = bag.ReadProperty("FontColor", sys(gfx::kColourButtonText));
    fontHighlightColor_ = bag.ReadProperty("FontHighlightColor", sys(gfx::kColourButtonText));
    Extender().ToolTipText(bag.ReadProperty("ToolTipText", ""));
    toolTipText_ = bag.ReadProperty("ToolTipText", "");
    tipTextTaken_ = false;
    toolTipTitle_ = bag.ReadProperty("Tooltiptitle", "");
    toolTipIcon_ = bag.ReadProperty("ToolTipIcon", std::int32_t{0});
    toolTipType_ = bag.ReadProperty("ToolTipType", std::int32_t{1});
    toolTipBackColor_ = bag.ReadProperty("ttBackColor", tipBack());
    toolTipForeColor_ = bag.ReadProperty("ttForeColor", tipText());
    Control::Font(bag.ReadProperty("Font", Control::Font()));
    buttonType_ = bag.ReadProperty("ButtonType", std::int32_t{0});
    value_ = bag.ReadProperty("Value", false);
    useMaskColor_ = bag.ReadProperty("UseMaskColor", false);
    maskColor_ = bag.ReadProperty("MaskColor", forms::OleColor{0xC0C0C0});
    Control::MousePointer(bag.ReadProperty("MousePointer", std::int32_t{0}));
    roundedBordersByTheme_ = bag.ReadProperty("RoundedBordersByTheme", true);
    rightToLeft_ = bag.ReadProperty("bRTLText", false);
    setUpHook();
    UserControl_Resize();
}

void isButton::UserControl_WriteProperties(forms::PropertyBag& bag) {
    bag.WriteProperty("Icon", icon_);
    bag.WriteProperty("Style", style_, std::int32_t{3});
    bag.WriteProperty("Caption", caption_, "");
    bag.WriteProperty("IconSize", iconSize_, std::int16_t{16});
    bag.WriteProperty("IconAlign", iconAlign_, std::int32_t{1});
    bag.WriteProperty("CaptionAlign", captionAlign_, std::int32_t{0});
    bag.WriteProperty("iNonThemeStyle", nonThemeStyle_, std::int32_t{5});
    bag.WriteProperty("Enabled", Enabled(), true);
    bag.WriteProperty("ShowFocus", showFocus_, false);
    bag.WriteProperty("USeCustomColors", useCustomColors_, false);
    bag.WriteProperty("BackColor", backColor_, sys(gfx::kColourButtonFace));
    bag.WriteProperty("HighlightColor", highlightColor_, sys(gfx::kColourHighlight));
    bag.WriteProperty("FontColor", fontColor_, sys(gfx::kColourButtonText));
    bag.WriteProperty("FontHighlightColor", fontHighlightColor_, sys(gfx::kColourButtonText));
    // The host's text, or the control's while it keeps it for its tooltip.
    bag.WriteProperty("ToolTipText", tipTextTaken_ ? toolTipText_ : Extender().ToolTipText());
    bag.WriteProperty("ToolTipTitle", toolTipTitle_);
    bag.WriteProperty("ToolTipIcon", toolTipIcon_);
    bag.WriteProperty("ToolTipType", toolTipType_);
    bag.WriteProperty("ttBackColor", toolTipBackColor_, tipBack());
    bag.WriteProperty("ttForeColor", toolTipForeColor_, tipText());
    bag.WriteProperty("Font", Control::Font());
    bag.WriteProperty("ButtonType", buttonType_, std::int32_t{0});
    bag.WriteProperty("Value", value_, false);
    bag.WriteProperty("MaskColor", maskColor_, forms::OleColor{0xC0C0C0});
    bag.WriteProperty("UseMaskColor", useMaskColor_, false);
    bag.WriteProperty("MousePointer", MousePointer(), std::int32_t{0});
    bag.WriteProperty("RoundedBordersByTheme", roundedBordersByTheme_, true);
    bag.WriteProperty("bRTLText", rightToLeft_, false);
}

}  // namespace qv::controls
