// The rule list, the add-rule dialog, the graph window and the connection tester with its
// console as the headless presenter draws them, compared with their reference pictures.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/base/random.h"
#include "platform/present/render.h"
#include "tests/platform/forms/loopback_server.h"
#include "tests/ui/input.h"
#include "tests/ui/windows/companion_windows_fixture.h"
#include "tests/ui/windows/picture_check.h"
#include "ui/windows/frm_add.h"
#include "ui/windows/frm_applications.h"
#include "ui/windows/frm_con.h"
#include "ui/windows/frm_graph.h"
#include "ui/windows/frm_view.h"

namespace qv::ui::testing {
namespace {

using CompanionPictures = CompanionWindowsTest;

// The windows as they lie on the screen, on the desktop's colour.
gfx::Canvas screenPicture(std::initializer_list<forms::Form*> windows) {
    int left = 1 << 30, top = 1 << 30, right = 0, bottom = 0;
    for (forms::Form* f : windows) {
        left = std::min(left, forms::twipsToPixels(f->Left()));
        top = std::min(top, forms::twipsToPixels(f->Top()));
        right = std::max(right, forms::twipsToPixels(f->Left() + f->Width()));
        bottom = std::max(bottom, forms::twipsToPixels(f->Top() + f->Height()));
    }
    gfx::Canvas screen(right - left, bottom - top, gfx::sysColour(gfx::kColourBackground));
    for (forms::Form* f : windows) {
        const gfx::Canvas w = present::renderForm(*f);
        const int x0 = forms::twipsToPixels(f->Left()) - left, y0 = forms::twipsToPixels(f->Top()) - top;
        for (int y = 0; y < w.height(); ++y)
            for (int x = 0; x < w.width(); ++x) screen.setPixel(x0 + x, y0 + y, w.pixel(x, y));
    }
    return screen;
}

TEST_F(CompanionPictures, RuleListWithEveryKindOfRule) {
    rule(program("C:\\Apps\\lantern.exe", "4.2.1.0"), "2");
    rule(program("C:\\Apps\\pigeon.exe", "2.0.7.0"), "0");
    rule(program("C:\\Apps\\palaver.exe", "1.9.0.3"), "1");
    rule(program("C:\\Apps\\tidesync.exe", "3.1.0.0"), "3");
    rule("C:\\WINDOWS\\desktop.exe", "2");
    companions().showRuleList();
    frmApplications* list = shown<frmApplications>();
    ASSERT_NE(list, nullptr);
    expectMatchesPicture(present::renderForm(*list), "frmApplications");
}

TEST_F(CompanionPictures, AddRuleDialogWithAFileAndAnAction) {
    frmAdd& add = OneWindow<frmAdd>(*main_);
    add.Show();
    prompter_.files.push_back("C:\\Apps\\tidesync.exe");
    click(add.cmdSource);
    add.Combo.choose(2);
    expectMatchesPicture(present::renderForm(add), "frmAdd");
}

TEST_F(CompanionPictures, GraphWindowOnAScaleOf25) {
    base::Rnd(-1);
    base::Randomize(5);
    companions().showGraph();
    frmGraph* graph = shown<frmGraph>();
    ASSERT_NE(graph, nullptr);
    expectMatchesPicture(present::renderForm(*graph), "frmGraph");
}

// A typed session with a loopback server: connected, one line sent and the server's answer in
// the console. The picture shows the port, so the server listens on a port of its own choosing.
TEST_F(CompanionPictures, TesterWithATypedSession) {
    test::LoopbackServer server(4, 47321);
    if (!server.listening()) GTEST_SKIP() << "port 47321 is taken";
    companions().showTester("127.0.0.1", "47321");
    frmCon* tester = shown<frmCon>();
    ASSERT_NE(tester, nullptr);
    click(tester->chkEnable);
    click(tester->cmdConnect);
    server.accept();
    ASSERT_TRUE(test::pumpUntil([&] { return tester->WS1.State() == forms::sckConnected; }));
    forms::advance(500);
    click(tester->txtSend);
    typeKeys("HELO quarvelin");
    click(tester->cmdSend);
    EXPECT_EQ(server.receive(15), "HELO quarvelin\n");
    server.send("250 quarvelin.example ready");
    frmView& console = forms::Default<frmView>();
    ASSERT_TRUE(test::pumpUntil([&] { return console.txtConView.Text().ends_with("ready"); }));
    Pointer{}.moveTo(0, 0);
    expectMatchesPicture(screenPicture({tester, &console}), "frmCon");
}

}  // namespace
}  // namespace qv::ui::testing
