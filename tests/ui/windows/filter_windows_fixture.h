#pragma once
// The windows test world with the windows of the filter lists installed as the program installs
// them, the companions that note what they were asked to open, and the steps a person takes on
// those windows: the open-port list shown, one of its items worked through its menu, text typed
// into a box.
#include <filesystem>
#include <string>
#include <vector>

#include "platform/base/files.h"
#include "tests/ui/input.h"
#include "tests/ui/recording_companions.h"
#include "tests/ui/windows/windows_fixture.h"
#include "ui/windows/filter_window_set.h"
#include "ui/windows/frm_block.h"
#include "ui/windows/frm_filter.h"
#include "ui/windows/frm_port.h"

namespace qv::ui::testing {

class FilterWindowsTest : public WindowsTest {
protected:
    // The engine's message boxes come to the test's prompter, as the program's do. The boxes
    // of the main window's load (it finds no options file) are left out.
    FilterWindowsTest() {
        engine::setMsgBoxHandler([](const std::string& text, const std::string& title, int style) {
            return forms::MsgBox(text, style, title);
        });
        prompter_.boxes.clear();
    }
    ~FilterWindowsTest() override { engine::setMsgBoxHandler({}); }

    // The open-port window shown, as the main window's button shows it.
    frmport& showPorts() {
        frmport& ports = filterWindows_.ports();
        ports.Show();
        return ports;
    }
    // A right click on item `index` of the open-port list (1-based), answered in its menu with
    // the entry `choose`; `meanwhile` runs while the menu is open.
    void actOnItem(frmport& ports, int index, const std::string& choose, std::function<void()> meanwhile = {}) {
        PopupAnswers popups;
        popups.choose = choose;
        popups.meanwhile = std::move(meanwhile);
        clickItem(ports.lvwCon, index, forms::kRightButton);
        EXPECT_EQ(popups.opened, std::vector<std::string>{"mnuKport"});
    }
    // Clicks into the box and types the text at its caret.
    void typeInto(forms::TextBox& box, const std::string& text) {
        click(box);
        for (unsigned char c : text) ws_.typeChar(c);
        forms::DoEvents();
    }
    // The items of a list view as "text" or, checked, "[x] text", in order.
    static std::vector<std::string> shown(const forms::ListView& list) {
        std::vector<std::string> out;
        for (int i = 1; i <= list.ListItems().Count(); ++i) {
            const forms::ListItem& item = list.ListItems()(i);
            out.push_back((item.Checked() ? "[x] " : "") + item.Text());
        }
        return out;
    }
    std::filesystem::path filterFile() const { return root_ / "program" / "Conf" / "filter.ini"; }
    void writeFilterFile(const std::string& text) const {
        ASSERT_TRUE(base::writeFileAtomic(filterFile().string(), text));
    }
    std::string readFilterFile() const { return base::readFile(filterFile().string()).value_or("<none>"); }
    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        for (const auto& b : prompter_.boxes) out.push_back(b.text);
        return out;
    }

    RecordingCompanions companions_;
    FilterWindowSet filterWindows_{*main_};
};

}  // namespace qv::ui::testing
