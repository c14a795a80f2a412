#pragma once
// Alert windows that record what the engine put into them, and a test fixture with a simulated
// machine, a fake clock, a detached main window and a fresh program folder.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/alert_markers.h"
#include "engine/alert_windows.h"
#include "engine/cini.h"
#include "engine/connection_closer.h"
#include "engine/connection_table.h"
#include "engine/detached_main_window.h"
#include "engine/filter_pass.h"
#include "engine/poll_pass.h"
#include "engine/stores.h"
#include "engine/ui_hooks.h"
#include "engine/user_settings.h"
#include "engine/version_reader.h"
#include "platform/base/clock.h"
#include "platform/base/files.h"
#include "platform/base/text.h"
#include "platform/host/sim/sim_host.h"
#include "tests/platform/host/sim_machine.h"
#include "temp_folder.h"

namespace qv::engine::test {

struct FakeConnectionAlert : ConnectionAlert {
    bool closed = false;
    bool shown = false;
    bool topmost = false;
    std::string lblpath, lblDESC, lbltrojan, Text1, txtfile, txthost, txtport, tag;
    ConnectionEndpoints endpoints;

    bool Closed() const override { return closed; }
    void setLblpath(std::string_view c) override { if (!closed) lblpath = c; }
    void setLblDESC(std::string_view c) override { if (!closed) lblDESC = c; }
    void setLbltrojan(std::string_view c) override { if (!closed) lbltrojan = c; }
    void setText1(std::string_view t) override { if (!closed) Text1 = t; }
    void setTxtfile(std::string_view t) override { if (!closed) txtfile = t; }
    void setTxthost(std::string_view t) override { if (!closed) txthost = t; }
    void setTxtport(std::string_view t) override { if (!closed) txtport = t; }
    void setTag(std::string_view t) override { if (!closed) tag = t; }
    void setEndpoints(const ConnectionEndpoints& e) override { if (!closed) endpoints = e; }
    void Show() override { if (!closed) shown = true; }
    void MakeTopMost() override { if (!closed) topmost = shown; }
};

struct FakeServiceAlert : ServiceAlert {
    bool closed = false;
    bool shown = false;
    bool topmost = false;
    std::string lblDESC, lblDESCTag, tag;

    bool Closed() const override { return closed; }
    void setLblDESC(std::string_view c) override { if (!closed) lblDESC = c; }
    void setLblDESCTag(std::string_view p) override { if (!closed) lblDESCTag = p; }
    void setTag(std::string_view r) override { if (!closed) tag = r; }
    void Show() override { if (!closed) shown = true; }
    void MakeTopMost() override { if (!closed) topmost = shown; }
    // The window's close step: it gives its own pair back.
    void close() {
        closed = true;
        PendingAlerts().erase(lblDESCTag, tag);
    }
};

struct FakeAlertWindows : AlertWindows {
    std::vector<std::shared_ptr<FakeConnectionAlert>> alerts;
    std::vector<std::shared_ptr<FakeServiceAlert>> serviceAlerts;
    bool blockAll = false;
    bool confirmation = true;  // off: a connection alert closes as it loads

    std::shared_ptr<ConnectionAlert> newConnectionAlert() override {
        auto a = std::make_shared<FakeConnectionAlert>();
        a->closed = !confirmation;
        alerts.push_back(a);
        return a;
    }
    std::shared_ptr<ServiceAlert> newServiceAlert() override {
        auto a = std::make_shared<FakeServiceAlert>();
        serviceAlerts.push_back(a);
        return a;
    }
    bool blockAllVisible() const override { return blockAll; }
};

// The simulated machine comes first, so it is in place before the rest and goes last.
class EngineTest : public ::testing::Test, protected host::test::SimMachine {
protected:
    TempProgramFolder dir;
    base::FakeClock clock{base::DateTime{2026, 12, 10, 15, 4, 5, 0}};
    base::ScopedClock useClock{clock};
    DetachedMainWindow window;
    ScopedMainWindow useWindow{window};
    FakeAlertWindows windows;
    ScopedAlertWindows useWindows{windows};
    std::vector<std::string> messageBoxes;
    std::vector<std::string> savedSettings;

    void SetUp() override {
        ASSERT_TRUE(base::makeDir(dir / "Data"));
        RuleStore().Path(RuleStorePath());
        GuardStore().Path(GuardStorePath());
        startRun();
        sim.setOwnProcess(2, 1);
        setMsgBoxHandler([this](const std::string& text, const std::string&, int) {
            messageBoxes.push_back(text);
            return kIdOk;
        });
        setSaveSettingHandler([this](std::string_view app, std::string_view section, std::string_view key,
                                     std::string_view value) {
            savedSettings.push_back(std::string(app) + "/" + std::string(section) + "/" + std::string(key) + "=" +
                                    std::string(value));
        });
    }
    // The engine state of a fresh run.
    static void startRun() {
        pollState() = PollState{};
        filterState() = FilterState{};
        ResetCloseRightsNotice();
        AskedApps().clear();
        PendingAlerts().clear();
        Connections().clear();
        ClearVersionCache();
    }
    // Each case of a table: a new run on an empty machine, no alert made yet, no rule stored.
    void startCase() {
        startRun();
        sim = host::SimHost();
        sim.setOwnProcess(2, 1);
        windows.alerts.clear();
        windows.serviceAlerts.clear();
        base::removeFile(dir / "Data/Firewall.qvl");
    }
    void TearDown() override {
        setDoEventsHandler({});
        setMsgBoxHandler({});
        setSaveSettingHandler({});
    }

    // count established connections of pid from distinct local ports to port 443 of distinct
    // remote addresses: far more rows than a fixed-size table would hold, when count is large.
    void connectMany(uint32_t pid, int count) {
        for (int i = 0; i < count; ++i)
            sim.addConnection({host::kTcpEstablished, host::rowAddress(192, 168, 1, 10),
                               host::rowPort(static_cast<uint16_t>(10000 + i)),
                               host::rowAddress(10, 1, static_cast<uint8_t>(i / 250), static_cast<uint8_t>(i % 250 + 1)),
                               host::rowPort(443)},
                              pid);
    }
    static void setRule(const std::string& app, const std::string& value) {
        cINI ini;
        ini.Path(RuleStorePath());
        ini.Section("RULES");
        ini.Key(app);
        ini.Value(value);
    }
    static std::string readStore(cINI& store, const std::string& section, const std::string& key) {
        store.Section(section);
        store.Key(key);
        store.Default("-");
        return store.Value();
    }
    // The lines of a log file without their time stamps ("word - text").
    std::vector<std::string> logLines(const std::string& name) const {
        std::vector<std::string> lines;
        auto text = base::readFile(dir / ("Logs/" + name + "_12_10_2026.log"));
        if (!text) return lines;
        std::string_view rest = *text;
        while (!rest.empty()) {
            std::size_t eol = rest.find("\r\n");
            std::string_view line = rest.substr(0, eol);
            std::size_t close = line.find("] ");
            lines.emplace_back(close == std::string_view::npos ? line : line.substr(close + 2));
            if (eol == std::string_view::npos) break;
            rest.remove_prefix(eol + 2);
        }
        return lines;
    }
    std::vector<std::string> trafficLog() const { return logLines("traffic"); }
    std::vector<std::string> securityLog() const { return logLines("security"); }
};

}  // namespace qv::engine::test
