#pragma once
// A loaded main window with its engine view and the alert windows installed, on a simulated
// machine, a fake clock and a window system of the test's own, over a fresh program folder and
// per-user configuration folder. Engine state starts as in a new run.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "engine/alert_windows.h"
#include "engine/cini.h"
#include "engine/main_window.h"
#include "engine/poll_pass.h"
#include "engine/stores.h"
#include "engine/ui_hooks.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "platform/forms/form.h"
#include "platform/host/sim/sim_host.h"
#include "tests/platform/host/sim_machine.h"
#include "platform/settings/config_folder.h"
#include "tests/ui/fresh_run.h"
#include "tests/ui/scratch_folders.h"
#include "ui/main/frm_main.h"
#include "ui/windows/alert_window_set.h"
#include "ui/windows/frm_alert.h"
#include "ui/windows/frm_service_alert.h"

namespace qv::ui::testing {

class WindowsTest : public ::testing::Test, protected WindowTestServices, protected host::test::SimMachine {
protected:
    // First, so that the folders are in place before everything else and go last.
    ScratchFolders folders_{"qv_ui_windows_"};
    const std::filesystem::path root_ = folders_.root();

    WindowsTest() {
        startAfresh(prompter_);
        engine::RuleStore().Path(engine::RuleStorePath());
        engine::GuardStore().Path(engine::GuardStorePath());
        engine::setDoEventsHandler([] { forms::DoEvents(); });
        sim.setOwnProcess(2, 1);
        sim.setInternetState({true, host::kInternetLan});  // the main window's connection check passes

        forms::Load(*main_);
        main_->Logging = true;
        useMain_.emplace(main_->engineView());
    }
    ~WindowsTest() override {
        endForms();
        useMain_.reset();
        main_.reset();
        engine::setDoEventsHandler({});
        leaveAsFound();
    }

    static std::string readStore(engine::cINI& store, const std::string& section, const std::string& key) {
        store.Section(section);
        store.Key(key);
        store.Default("-");
        return store.Value();
    }
    static void writeStore(engine::cINI& store, const std::string& section, const std::string& key,
                           const std::string& value) {
        store.Section(section);
        store.Key(key);
        store.Value(value);
    }
    // One pass over a new connection of a new application to 10.0.0.9; the alert it opens about
    // it, or nullptr.
    frmAlert* askAbout(const std::string& app, uint32_t pid, uint16_t localPort, uint16_t remotePort) {
        addApp(pid, app);
        connect(pid, localPort, 9, remotePort);
        // Forced: a connection closed before may leave the row count as it was.
        engine::PollConnections(true);
        for (frmAlert* a : loaded<frmAlert>())
            if (a->lblpath.Caption() == app) return a;
        return nullptr;
    }
    // The connection alert the engine opens for a browser's first connection, with Trust chosen:
    // the alert the picture tests show.
    frmAlert& browserAlert() {
        main_->Slider3.Value(2);
        addApp(300, "C:\\Program Files\\Browser\\browser.exe");
        connect(300, 1050, 9, 443);
        engine::PollConnections(false);
        EXPECT_EQ(loaded<frmAlert>().size(), 1u);
        frmAlert& alert = *loaded<frmAlert>().at(0);
        alert.Combo.Text("Trust");
        return alert;
    }
    // The dangerous-port alert the engine opens at Medium security for a connection from
    // 10.0.0.9 to the local port 1080, which the guard store lists: the alert the picture tests
    // show.
    frmServiceAlert& proxyPortAlert() {
        main_->Slider3.Value(2);
        writeStore(engine::GuardStore(), "HACKERS", "1080", "a proxy port that backdoors use");
        addApp(400, "C:\\Apps\\proxy.exe");
        writeStore(engine::RuleStore(), "RULES", "C:\\Apps\\proxy.exe", "2");
        sim.addConnection({host::kTcpEstablished, host::rowAddress(192, 168, 1, 10), host::rowPort(1080),
                           host::rowAddress(10, 0, 0, 9), host::rowPort(4000)},
                          400);
        engine::PollConnections(true);
        EXPECT_EQ(loaded<frmServiceAlert>().size(), 1u);
        return *loaded<frmServiceAlert>().at(0);
    }
    // The loaded forms of one class, in the order made.
    template <class F>
    static std::vector<F*> loaded() {
        std::vector<F*> out;
        for (forms::Form* f : forms::LoadedForms())
            if (auto* x = dynamic_cast<F*>(f)) out.push_back(x);
        return out;
    }
    std::vector<std::string> securityLog() const { return logLines("security"); }
    // Today's lines of the security or the traffic log.
    std::vector<std::string> logLines(const std::string& log) const {
        auto text = base::readFile((root_ / "program" / "Logs" / (log + "_12_10_2026.log")).string());
        std::vector<std::string> lines;
        if (!text) return lines;
        std::size_t at = 0;
        while (at < text->size()) {
            std::size_t eol = text->find("\r\n", at);
            if (eol == std::string::npos) eol = text->size();
            lines.push_back(text->substr(at, eol - at));
            at = eol + 2;
        }
        return lines;
    }

    std::unique_ptr<frmMain> main_ = std::make_unique<frmMain>();
    std::optional<engine::ScopedMainWindow> useMain_;
    AlertWindowSet alertWindows_{*main_};
    engine::ScopedAlertWindows useAlertWindows_{alertWindows_};
};

}  // namespace qv::ui::testing
