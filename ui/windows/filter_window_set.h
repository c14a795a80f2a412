#pragma once
// The windows of the filter lists: the open-port list frmport, the filter editor frmfilter and
// the block dialog frmBlock, one of each, each made and loaded hidden on first use. While the
// set lives the engine's filter pass reads the editor's switch and lists through it (loading the
// editor hidden when it is not loaded, and so reading the filter file) and refreshes the
// open-port list through it. The program makes one with the main window.
#include "engine/filter_windows.h"
#include "ui/windows/single_window.h"

namespace qv::ui {

class frmMain;
class frmport;
class frmfilter;
class frmBlock;

class FilterWindowSet final : public engine::FilterWindow, public engine::PortWindow {
public:
    explicit FilterWindowSet(frmMain& main);
    ~FilterWindowSet() override;
    FilterWindowSet(const FilterWindowSet&) = delete;
    FilterWindowSet& operator=(const FilterWindowSet&) = delete;

    frmport& ports();
    frmfilter& filter();
    frmBlock& block();
    // Each window while it is loaded, else nullptr.
    frmport* loadedPorts() const;
    frmfilter* loadedFilter() const;
    frmBlock* loadedBlock() const;

    // What the filter pass reads and calls.
    bool Filtering() override;
    const engine::FilterLists& lvwFilter() override;
    void RefreshNS() override;

private:
    frmMain& main_;
    SingleWindow<frmport> ports_;
    SingleWindow<frmfilter> filter_;
    SingleWindow<frmBlock> block_;
    engine::ScopedFilterWindow useFilter_{*this};
    engine::ScopedPortWindow usePorts_{*this};
};

}  // namespace qv::ui
