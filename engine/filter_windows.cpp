#include "engine/filter_windows.h"

namespace qv::engine {

namespace {

class StandInFilterWindow final : public FilterWindow {
public:
    bool Filtering() override { return false; }
    const FilterLists& lvwFilter() override { return lists_; }

private:
    FilterLists lists_;
};

class StandInPortWindow final : public PortWindow {
public:
    void RefreshNS() override {}
};

}  // namespace

FilterWindow& filterWindow() {
    if (FilterWindow* w = ScopedFilterWindow::slot()) return *w;
    static StandInFilterWindow standIn;
    return standIn;
}

PortWindow& portWindow() {
    if (PortWindow* w = ScopedPortWindow::slot()) return *w;
    static StandInPortWindow standIn;
    return standIn;
}

}  // namespace qv::engine
