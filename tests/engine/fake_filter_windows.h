#pragma once
// The filter editor and the open-port list as the filter pass sees them, holding plain values,
// and a fixture that installs them beside the engine fixture's machine and main window.
#include <functional>

#include "engine/filter_pass.h"
#include "engine/filter_windows.h"
#include "fake_alert_windows.h"
#include "platform/host/names.h"

namespace qv::engine::test {

struct FakeFilterWindow : FilterWindow {
    bool filtering = true;
    FilterLists lists;
    bool Filtering() override { return filtering; }
    const FilterLists& lvwFilter() override { return lists; }
};

struct FakePortWindow : PortWindow {
    int refreshes = 0;
    void RefreshNS() override { ++refreshes; }
};

class FilterPassTest : public EngineTest {
protected:
    FakeFilterWindow filter;
    ScopedFilterWindow useFilter{filter};
    FakePortWindow port;
    ScopedPortWindow usePort{port};

    void SetUp() override {
        EngineTest::SetUp();
        window.logging = true;
        window.log[2] = 1;
    }
    void addEntry(int list, const std::string& text, bool checked = true) {
        ASSERT_TRUE(filter.lists.add(list, FilterEntry{text, list == kRemoteAddressList ? text : "", checked}));
    }
    static PortLogRow blockedRow(const host::TcpRow& r, std::string_view status) {
        return PortLogRow{host::dottedFromAddress(r.remoteAddress), std::to_string(host::portOfRow(r.localPort)),
                          std::to_string(host::portOfRow(r.remotePort)), std::string(status), "3:04:05 PM"};
    }
};

}  // namespace qv::engine::test
