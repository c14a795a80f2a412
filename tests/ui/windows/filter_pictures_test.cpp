// The windows of the filter lists as the headless presenter draws them, compared with their
// reference pictures.
#include <gtest/gtest.h>

#include "platform/present/render.h"
#include "tests/ui/windows/filter_windows_fixture.h"
#include "tests/ui/windows/picture_check.h"

namespace qv::ui::testing {
namespace {

using FilterPictures = FilterWindowsTest;

TEST_F(FilterPictures, OpenPortsWithConnections) {
    connect(300, 1050, 9, 443);
    connect(300, 1051, 9, 80);
    connect(400, 1060, 25, 110);
    sim.addConnection({host::kTcpListen, 0, host::rowPort(135), 0, 0}, 4);
    sim.addConnection({host::kTcpTimeWait, host::rowAddress(192, 168, 1, 10), host::rowPort(1044),
                       host::rowAddress(203, 0, 113, 80), host::rowPort(80)},
                      0);
    frmport& ports = showPorts();
    expectMatchesPicture(present::renderForm(ports), "frmport");
}

TEST_F(FilterPictures, FilterEditorWithEntries) {
    sim.addName("mail.example", host::rowAddress(198, 51, 100, 7));
    frmfilter& editor = filterWindows_.filter();
    editor.Show();
    const std::vector<std::vector<std::string>> typed = {
        {"10.0.0.9", "mail.example", "203.0.113.80"}, {"6667", "31337"}, {"135", "139", "445"}};
    for (int k = 0; k < 3; ++k) {
        for (const std::string& t : typed[static_cast<std::size_t>(k)]) {
            typeInto(editor.txtAdd(k), t);
            click(editor.cmdAdd(k));
        }
    }
    // 31337 unticked, and a port typed but not yet added.
    clickCheckBox(editor.lvwFilter(1), 2);
    typeInto(editor.txtAdd(2), "3389");
    ASSERT_EQ(shown(editor.lvwFilter(1)), (std::vector<std::string>{"[x] 6667", "31337"}));
    expectMatchesPicture(present::renderForm(editor), "frmfilter");
}

TEST_F(FilterPictures, BlockDialog) {
    frmBlock& block = filterWindows_.block();
    block.txtAddr.Text("10.0.0.9");
    block.txtRemP.Text("443");
    block.txtLocP.Text("1050");
    block.Show();
    expectMatchesPicture(present::renderForm(block), "frmBlock");
}

}  // namespace
}  // namespace qv::ui::testing
