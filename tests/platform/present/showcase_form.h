#pragma once
// A form with one control of each kind, its design in fixtures/present/frmShowcase.qvf; Load
// fills what designs do not hold (list view rows, icons, the image's picture, the picture box's
// drawing, the rich text, the browser's page) and picks items.
#include "platform/forms/common/animation.h"
#include "platform/forms/common/common_dialog.h"
#include "platform/forms/common/image_list.h"
#include "platform/forms/common/list_view.h"
#include "platform/forms/common/progress_bar.h"
#include "platform/forms/common/rich_text_box.h"
#include "platform/forms/common/slider.h"
#include "platform/forms/common/web_browser.h"
#include "platform/forms/common/xtab.h"
#include "platform/forms/form.h"
#include "platform/forms/hosting/user_control.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/lists.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/text_box.h"
#include "platform/forms/intrinsic/timer.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/picture.h"

namespace qv::present::testing {

// A 16 by 16 icon: a filled disc of the colour on a transparent ground.
inline gfx::PicturePtr discIcon(gfx::Colour colour) {
    gfx::Canvas image(16, 16, 0), mask(16, 16, gfx::rgb(255, 255, 255));
    gfx::DeviceContext ic(image), mc(mask);
    ic.selectPen({gfx::PenStyle::Solid, 1, 0});
    ic.selectBrush(gfx::Brush::solid(colour));
    ic.ellipse(1, 1, 15, 15);
    mc.selectPen({gfx::PenStyle::Solid, 1, 0});
    mc.selectBrush(gfx::Brush::solid(0));
    mc.ellipse(1, 1, 15, 15);
    return gfx::Picture::icon(image, mask);
}

// A user control that paints a level meter on its own surface, with a constituent label above it.
class ucMeter : public forms::UserControl {
public:
    ucMeter(forms::Form& host, std::string name, int index = -1) : UserControl(host, std::move(name), index) {
        lblLevel.BackStyle(0);
        lblLevel.Alignment(2);
        lblLevel.Caption("User control: 60 %");
    }
    std::string_view kind() const override { return "ucMeter"; }

protected:
    void UserControl_Resize() override { lblLevel.Move(0, 120, Width(), 255); }
    void UserControl_Paint() override {
        Cls();
        gfx::DeviceContext& dc = hDC();
        const gfx::Canvas& s = surface();
        gfx::Rect well{8, 28, s.width() - 8, s.height() - 10};
        dc.drawEdge(well, gfx::edge::kSunken, gfx::edge::kRect | gfx::edge::kAdjust);
        dc.fillRect(well, gfx::Brush::solid(gfx::rgb(0, 0, 0)));
        const int lit = well.left + int(well.width()) * 6 / 10;
        for (int x = well.left + 1; x < lit; x += 6)
            dc.fillRect({x, well.top + 2, x + 4, well.bottom - 2}, gfx::Brush::solid(gfx::rgb(0, 200, 0)));
    }

private:
    forms::Label lblLevel{inside(), "lblLevel"};
};

class frmShowcase : public forms::Form {
public:
    frmShowcase() : Form("frmShowcase", "frmShowcase") {}

    void Form_Load() override {
        ilIcons.Add(-1, "allow", discIcon(gfx::rgb(0, 160, 0)));
        ilIcons.Add(-1, "deny", discIcon(gfx::rgb(200, 0, 0)));
        struct Row {
            const char* key;
            const char* app;
            const char* port;
            const char* rule;
            const char* path;
            bool checked;
            int icon;
        };
        static constexpr Row kRows[] = {
            {"k1", "Browser", "443", "Allow", "/usr/bin/browser", true, 1},
            {"k2", "Mail client", "993", "Allow", "/usr/bin/mail", true, 1},
            {"k3", "Unknown tool", "6667", "Deny", "/tmp/tool", false, 2},
            {"k4", "Updater", "80", "Ask", "/opt/updater/run", false, 1},
        };
        for (const Row& r : kRows) {
            forms::ListItem& item = lvRules.ListItems().Add(-1, r.key, r.app, 0, r.icon);
            item.SubItems(1, r.port);
            item.SubItems(2, r.rule);
            item.SubItems(3, r.path);
            item.Checked(r.checked);
        }
        lvRules.ListItems()(3).Selected(true);
        Image1.Picture(discIcon(gfx::rgb(0, 0, 192)));
        Image1.Stretch(true);
        List1.ListIndex(1);
        Picture1.ScaleMode(3);
        Picture1.ForeColor(gfx::rgb(0, 0, 128));
        for (int x = 0; x < 220; x += 20) Picture1.Line(x, 0, x, 72, gfx::rgb(200, 200, 255));
        Picture1.Line(4, 60, 60, 20);
        Picture1.Line(60, 20, 120, 44);
        Picture1.Line(120, 44, 200, 8);
        Picture1.CurrentX = 8;
        Picture1.CurrentY = 4;
        Picture1.Print("Drawn on a picture box");
        RichText1.append("Rich text box\r\n");
        RichText1.append("10:04:05 PM  allowed browser\r\n");
        RichText1.append("10:04:09 PM  denied tool");
        Animation1.Open(QV_FIXTURES "/present/search.avi");
        WebBrowser1.Navigate2(QV_FIXTURES "/present/welcome.htm");
        Combo1.ListIndex(1);
    }

    forms::Label Label1{*this, "Label1"};
    forms::TextBox Text1{*this, "Text1"};
    forms::TextBox Text2{*this, "Text2"};
    forms::CheckBox Check1{*this, "Check1"};
    forms::CheckBox Check2{*this, "Check2"};
    forms::OptionButton Option1{*this, "Option1"};
    forms::OptionButton Option2{*this, "Option2"};
    forms::CommandButton Command1{*this, "Command1"};
    forms::CommandButton Command2{*this, "Command2"};
    forms::Frame Frame1{*this, "Frame1"};
    forms::Label Label2{*this, "Label2"};
    forms::CheckBox Check3{*this, "Check3"};
    forms::Image Image1{*this, "Image1"};
    forms::Shape Shape1{*this, "Shape1"};
    forms::Shape Shape2{*this, "Shape2"};
    forms::Line Line1{*this, "Line1"};
    forms::Line Line2{*this, "Line2"};
    forms::ListBox List1{*this, "List1"};
    forms::ComboBox Combo1{*this, "Combo1"};
    forms::ComboBox Combo2{*this, "Combo2"};
    forms::PictureBox Picture1{*this, "Picture1"};
    forms::OptionButton Option3{*this, "Option3"};
    ucMeter ucMeter1{*this, "ucMeter1"};
    forms::ImageList ilIcons{*this, "ilIcons"};
    forms::ListView lvRules{*this, "lvRules"};
    forms::XTab XTab1{*this, "XTab1"};
    forms::CheckBox Check4{*this, "Check4"};
    forms::Label Label3{*this, "Label3"};
    forms::ProgressBar ProgressBar1{*this, "ProgressBar1"};
    forms::ProgressBar ProgressBar2{*this, "ProgressBar2"};
    forms::Slider Slider1{*this, "Slider1"};
    forms::Slider Slider2{*this, "Slider2"};
    forms::Animation Animation1{*this, "Animation1"};
    forms::RichTextBox RichText1{*this, "RichText1"};
    forms::WebBrowser WebBrowser1{*this, "WebBrowser1"};
    forms::CommonDialog CommonDialog1{*this, "CommonDialog1"};
    forms::Timer Timer1{*this, "Timer1"};
};

}  // namespace qv::present::testing
