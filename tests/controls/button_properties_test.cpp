// isButton's properties: the defaults of a new and of a loaded control, the keys they are kept
// under, which values a save leaves out, and what each setter tells the host.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "button_test_host.h"
#include "platform/forms/hosting/property_bag.h"
#include "platform/gfx/picture.h"

namespace qv::controls {
namespace {

std::string text(bool v) { return v ? "True" : "False"; }
std::string text(std::int32_t v) { return std::to_string(v); }
std::string colour(std::uint32_t v) {
    std::ostringstream s;
    s << "&H" << std::hex << std::uppercase << v;
    return s.str();
}
std::string text(const forms::PictureRef& p) { return p ? "icon " + std::to_string(p->width()) : "none"; }
std::string text(const forms::StdFont& f) {
    std::ostringstream s;
    s << f.Name << " " << f.Size << (f.Bold ? " bold" : "");
    return s.str();
}

forms::PictureRef smallIcon() { return gfx::Picture::icon(gfx::Canvas(16, 16, gfx::rgb(200, 0, 0)), gfx::Canvas(16, 16, 0)); }

struct Property {
    const char* name;
    std::function<std::string(const isButton&)> get;
    std::function<void(isButton&)> set;  // to a value no default has
    std::string newDefault, loadedDefault, setValue;
    const char* keyWritten;
    const char* notifies;
    bool storedAtLoadedDefault;  // a save of a control loaded without the key stores it
};

std::vector<Property> properties() {
    const forms::PictureRef icon = smallIcon();
    return {
        {"Style", [](auto& b) { return text(b.Style()); }, [](auto& b) { b.Style(10); }, "0", "3", "10", "Style",
         "Style", false},
        {"Caption", [](auto& b) { return b.Caption(); }, [](auto& b) { b.Caption("Allow"); }, "cmdAllow", "isButton",
         "Allow", "Caption", "Caption", true},
        {"Icon", [](auto& b) { return text(b.Icon()); }, [icon](auto& b) { b.Icon(icon); }, "none", "none", "icon 16",
         "Icon", "Icon", true},
        {"IconAlign", [](auto& b) { return text(b.IconAlign()); }, [](auto& b) { b.IconAlign(2); }, "1", "1", "2",
         "IconAlign", "IconAlign", false},
        {"IconSize", [](auto& b) { return text(b.IconSize()); }, [](auto& b) { b.IconSize(24); }, "16", "16", "24",
         "IconSize", "IconSize", false},
        {"CaptionAlign", [](auto& b) { return text(b.CaptionAlign()); }, [](auto& b) { b.CaptionAlign(3); }, "0", "0",
         "3", "CaptionAlign", "CaptionAlign", false},
        {"NonThemeStyle", [](auto& b) { return text(b.NonThemeStyle()); }, [](auto& b) { b.NonThemeStyle(8); }, "0",
         "5", "8", "iNonThemeStyle", "NonThemeStyle", false},
        {"Enabled", [](auto& b) { return text(b.Enabled()); }, [](auto& b) { b.Enabled(false); }, "True", "True",
         "False", "Enabled", "Enabled", false},
        {"ShowFocus", [](auto& b) { return text(b.ShowFocus()); }, [](auto& b) { b.ShowFocus(true); }, "False",
         "False", "True", "ShowFocus", "ShowFocus", false},
        {"UseCustomColors", [](auto& b) { return text(b.UseCustomColors()); }, [](auto& b) { b.UseCustomColors(true); },
         "False", "False", "True", "USeCustomColors", "UseCustomColors", false},
        {"BackColor", [](auto& b) { return colour(b.BackColor()); }, [](auto& b) { b.BackColor(0x123456); },
         "&HC0C0C0", "&HC0C0C0", "&H123456", "BackColor", "BackColor", false},
        {"HighlightColor", [](auto& b) { return colour(b.HighlightColor()); },
         [](auto& b) { b.HighlightColor(0x654321); }, "&H800000", "&H800000", "&H654321", "HighlightColor",
         "HighlightColor", false},
        {"FontColor", [](auto& b) { return colour(b.FontColor()); }, [](auto& b) { b.FontColor(0x0000FF); }, "&H0",
         "&H0", "&HFF", "FontColor", "FontColor", false},
        {"FontHighlightColor", [](auto& b) { return colour(b.FontHighlightColor()); },
         [](auto& b) { b.FontHighlightColor(0x00FF00); }, "&H0", "&H0", "&HFF00", "FontHighlightColor",
         "FontHighlightColor", false},
        // What a design gives: the host's text for the control.
        {"ToolTipText", [](auto& b) { return b.ToolTipText(); },
         [](auto& b) { b.Extender().ToolTipText("Let it connect"); }, "", "", "Let it connect", "ToolTipText", nullptr,
         true},
        {"ToolTipTitle", [](auto& b) { return b.ToolTipTitle(); }, [](auto& b) { b.ToolTipTitle("Allow"); }, "", "",
         "Allow", "ToolTipTitle", "TooltipTitle", true},
        {"ToolTipIcon", [](auto& b) { return text(b.ToolTipIcon()); }, [](auto& b) { b.ToolTipIcon(2); }, "0", "0",
         "2", "ToolTipIcon", "TooltipIcon", true},
        {"ToolTipType", [](auto& b) { return text(b.ToolTipType()); }, [](auto& b) { b.ToolTipType(0); }, "1", "1",
         "0", "ToolTipType", "ToolTipType", true},
        // Loaded without the key: the system's tooltip background and text colours.
        {"ToolTipBackColor", [](auto& b) { return colour(b.ToolTipBackColor()); },
         [](auto& b) { b.ToolTipBackColor(0x00FF00); }, "&H0", "&HE1FFFF", "&HFF00", "ttBackColor",
         "ToolTipBackColor", false},
        {"ToolTipForeColor", [](auto& b) { return colour(b.ToolTipForeColor()); },
         [](auto& b) { b.ToolTipForeColor(0x0000FF); }, "&H0", "&H0", "&HFF", "ttForeColor", "ToolTipForeColor",
         false},
        {"Font", [](auto& b) { return text(b.Font()); }, [](auto& b) { b.Font(forms::StdFont{"Tahoma", 9, true}); },
         "MS Sans Serif 8.25", "MS Sans Serif 8.25", "Tahoma 9 bold", "Font", "Font", true},
        {"ButtonType", [](auto& b) { return text(b.ButtonType()); }, [](auto& b) { b.ButtonType(1); }, "0", "0", "1",
         "ButtonType", "ButtonType", false},
        {"MousePointer", [](auto& b) { return text(b.MousePointer()); }, [](auto& b) { b.MousePointer(11); }, "0",
         "0", "11", "MousePointer", "MousePointer", false},
        {"Value", [](auto& b) { return text(b.Value()); }, [](auto& b) { b.Value(true); }, "False", "False", "True",
         "Value", "Value", false},
        {"MaskColor", [](auto& b) { return colour(b.MaskColor()); }, [](auto& b) { b.MaskColor(0xFF00FF); }, "&H0",
         "&HC0C0C0", "&HFF00FF", "MaskColor", "MaskColor", false},
        {"UseMaskColor", [](auto& b) { return text(b.UseMaskColor()); }, [](auto& b) { b.UseMaskColor(true); },
         "False", "False", "True", "UseMaskColor", "UseMaskColor", false},
        {"RoundedBordersByTheme", [](auto& b) { return text(b.RoundedBordersByTheme()); },
         [](auto& b) { b.RoundedBordersByTheme(false); }, "False", "True", "False", "RoundedBordersByTheme",
         "RoundedBordersByTheme", false},
        {"RightToLeft", [](auto& b) { return text(b.RightToLeft()); }, [](auto& b) { b.RightToLeft(true); }, "False",
         "False", "True", "bRTLText", "bRTLText", false},
    };
}

class ButtonPropertiesTest : public testing::ButtonHostTest {
protected:
    // A control made new (no saved properties) and one loaded from a design without keys.
    std::unique_ptr<isButton> made(const char* name) {
        auto b = std::make_unique<isButton>(form_, name);
        b->site();
        return b;
    }
    std::unique_ptr<isButton> loaded(const char* name) {
        auto b = std::make_unique<isButton>(form_, name);
        b->beginDesign();
        b->designApplied();
        return b;
    }
};

TEST_F(ButtonPropertiesTest, EveryPropertyWithItsDefaultsKeyAndNotice) {
    for (const Property& p : properties()) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(p.get(*made("cmdAllow")), p.newDefault);

        auto fresh = loaded("cmdLoaded");
        EXPECT_EQ(p.get(*fresh), p.loadedDefault);
        EXPECT_EQ(fresh->saveProperties().contains(p.keyWritten), p.storedAtLoadedDefault);

        const std::size_t before = fresh->changedProperties().size();
        p.set(*fresh);
        if (p.notifies) {
            ASSERT_GT(fresh->changedProperties().size(), before);
            EXPECT_EQ(fresh->changedProperties()[before], p.notifies);
        }
        const forms::PropertyBag bag = fresh->saveProperties();
        EXPECT_TRUE(bag.contains(p.keyWritten));

        auto again = loaded("cmdAgain");
        again->readProperties(bag);
        EXPECT_EQ(p.get(*again), p.setValue);
    }
    EXPECT_TRUE(events_.entries.empty());
}

TEST_F(ButtonPropertiesTest, KeysAreWrittenInTheirOwnOrder) {
    auto b = loaded("cmdAll");
    for (const Property& p : properties()) p.set(*b);
    EXPECT_EQ(b->saveProperties().keys(),
              (std::vector<std::string>{"Icon", "Style", "Caption", "IconSize", "IconAlign", "CaptionAlign",
                                        "iNonThemeStyle", "Enabled", "ShowFocus", "USeCustomColors", "BackColor",
                                        "HighlightColor", "FontColor", "FontHighlightColor", "ToolTipText",
                                        "ToolTipTitle", "ToolTipIcon", "ToolTipType", "ttBackColor", "ttForeColor",
                                        "Font", "ButtonType", "Value", "MaskColor", "UseMaskColor", "MousePointer",
                                        "RoundedBordersByTheme", "bRTLText"}));
}

TEST_F(ButtonPropertiesTest, AnEmptyCaptionIsNotStoredAndReloadsAsTheDefault) {
    auto b = loaded("cmdEmpty");
    b->Caption("");
    const forms::PropertyBag bag = b->saveProperties();
    EXPECT_FALSE(bag.contains("Caption"));
    auto again = loaded("cmdAgain");
    again->readProperties(bag);
    EXPECT_EQ(again->Caption(), "isButton");
}

// The saved tooltip text is read into the host's text and into the control's.
TEST_F(ButtonPropertiesTest, TheTooltipTextLoadsIntoTheHostAndTheControl) {
    forms::PropertyBag bag;
    bag.WriteProperty("ToolTipText", "Block the program");
    auto b = loaded("cmdBlock");
    b->readProperties(bag);
    EXPECT_EQ(b->Extender().ToolTipText(), "Block the program");
    EXPECT_EQ(b->ToolTipText(), "Block the program");
}

TEST_F(ButtonPropertiesTest, TooltipTextSetAtRunTimeNotifiesAndIsSaved) {
    form_.Show();
    auto b = made("cmdRun");
    b->ToolTipText("Allow it");
    EXPECT_EQ(b->changedProperties().back(), "ToolTipText");
    EXPECT_EQ(b->saveProperties().designText("ToolTipText"), "\"Allow it\"");
}

}  // namespace
}  // namespace qv::controls
