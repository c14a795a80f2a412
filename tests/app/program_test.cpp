// The whole program on the fake clock, with the windows the engine opens: every way it ends lets
// go of the processes its open alerts hold, and a later start brings it forward.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/loop_sources.h"
#include "engine/process_control.h"
#include "platform/base/activation_socket.h"
#include "tests/ui/input.h"
#include "tests/ui/program_fixture.h"
#include "ui/main/main_form.h"
#include "ui/windows/frm_alert.h"
#include "ui/windows/frm_applications.h"
#include "ui/windows/frm_graph.h"
#include "ui/windows/one_window.h"
#include "ui/windows/program_windows.h"

namespace qv::app {
namespace {

using ui::testing::ProgramTest;

class WholeProgram : public ProgramTest {
protected:
    WholeProgram() { ui::setCompanions(&windows_); }
    ~WholeProgram() override { ui::setCompanions(nullptr); }

    // Two applications without a rule: each is held still while its alert asks about it.
    void twoAskedApplications() {
        addApp(300, "C:\\Apps\\alpha.exe");
        connect(300, 1050, 9, 443);
        addApp(400, "C:\\Apps\\beta.exe");
        connect(400, 1060, 7, 80);
        startProgram();
        forms::advance(300);
        ASSERT_EQ(loadedAlerts(), 2);
        ASSERT_TRUE(sim.isSuspended(300));
        ASSERT_TRUE(sim.isSuspended(400));
    }
    static int loadedAlerts() {
        int n = 0;
        for (forms::Form* f : forms::LoadedForms()) n += dynamic_cast<ui::frmAlert*>(f) != nullptr;
        return n;
    }

    ui::ProgramWindows windows_;
};

TEST_F(WholeProgram, EveryEndLetsGoOfTheProcessesItsOpenAlertsHold) {
    struct Way {
        const char* what;
        std::function<void()> end;
    };
    const Way ways[] = {
        {"quit from the tray menu",
         [this] {
             prompter_.answers = {forms::vbYes};
             ui::testing::PopupAnswers popups;
             popups.choose = "exits";
             ui::testing::trayClick(main().SysTray);
             forms::advance(1000);
         }},
        {"No to the connection check",
         [this] {
             sim.setInternetState({false, 0});
             prompter_.answers = {forms::vbNo};
             forms::Default<ui::MainForm>();
         }},
        {"SIGTERM",
         [] {
             SignalSource signals;
             ::raise(SIGTERM);
             forms::DoEvents();
         }},
        {"a window that ends the program", [] { ui::RequestEnd(); }},
    };
    for (const Way& w : ways) {
        SCOPED_TRACE(w.what);
        twoAskedApplications();
        w.end();
        EXPECT_TRUE(forms::ended());
        EXPECT_FALSE(sim.isSuspended(300));
        EXPECT_FALSE(sim.isSuspended(400));
        EXPECT_TRUE(engine::SuspendedProcesses().empty());
        EXPECT_TRUE(exists("Data/Guard.exe"));
        EXPECT_FALSE(exists("Data/Guard.qvl"));
        // The next run starts afresh.
        forms::resetForms();
        forms::resetRuntime();
        ui::ResetProgramEnd();
        engine::pollState() = engine::PollState{};
        engine::AskedApps().clear();
        sim.removeProcess(300);
        sim.removeProcess(400);
        sim.setInternetState({true, host::kInternetLan});
        layOut();
    }
}

TEST_F(WholeProgram, ASignalDuringTheSplashEndsWithoutOpeningTheStores) {
    forms::Default<ui::splash>().Show();
    forms::advance(101 * 30);
    SignalSource signals;
    ::raise(SIGINT);
    forms::DoEvents();
    EXPECT_TRUE(forms::ended());
    EXPECT_TRUE(exists("Data/Guard.exe"));
    EXPECT_EQ(base::readFile((program_ / "Conf/config.ini").string()),
              base::readFile(QV_SOURCE_DIR "/assets/Conf/config.ini"));
}

TEST_F(WholeProgram, ALaterStartBringsTheRunningCopyForward) {
    // A socket's path must stay short: a folder of its own right below the temporary folder.
    const std::filesystem::path runtime = std::filesystem::temp_directory_path() / ("qvrun" + std::to_string(::getpid()));
    std::filesystem::create_directories(runtime);
    ::chmod(runtime.c_str(), 0700);
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    base::ActivationListener listener(program_.string());
    ASSERT_TRUE(listener.listening()) << listener.error();
    ActivationSource activation(listener);

    struct RemoveAfter {
        std::filesystem::path p;
        ~RemoveAfter() { std::filesystem::remove_all(p); }
    } removeAfter{runtime};

    forms::Default<ui::splash>().Show();
    ASSERT_TRUE(base::sendActivationRequest(program_.string(), 0));
    forms::DoEvents();
    EXPECT_EQ(ws_.activeWindow(), forms::Default<ui::splash>().hWnd());

    forms::advance(101 * 101);
    ASSERT_FALSE(main().Visible());
    ASSERT_TRUE(base::sendActivationRequest(program_.string(), 0));
    forms::DoEvents();
    EXPECT_TRUE(main().Visible());
    EXPECT_EQ(ws_.activeWindow(), main().hWnd());
}

// The main window's rule-list and graph buttons open the program's windows, one of each.
TEST_F(WholeProgram, TheMainWindowsButtonsOpenTheRuleListAndTheGraph) {
    startProgram();
    main().Visible(true);
    ui::testing::click(main().PictureButton3);
    ui::frmApplications* rules = ui::LoadedWindow<ui::frmApplications>();
    ASSERT_NE(rules, nullptr);
    EXPECT_TRUE(rules->Visible());
    ui::testing::click(rules->PictureButton1);
    EXPECT_EQ(ui::LoadedWindow<ui::frmApplications>(), nullptr);

    ui::testing::click(main().isButton1);
    ui::frmGraph* graph = ui::LoadedWindow<ui::frmGraph>();
    ASSERT_NE(graph, nullptr);
    EXPECT_TRUE(graph->Visible());
    EXPECT_TRUE(main().Visible()) << "the graph leaves the main window shown";
}

}  // namespace
}  // namespace qv::app
