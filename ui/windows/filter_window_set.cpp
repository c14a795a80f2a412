#include "ui/windows/filter_window_set.h"

#include "ui/windows/frm_block.h"
#include "ui/windows/frm_filter.h"
#include "ui/windows/frm_port.h"

namespace qv::ui {

FilterWindowSet::FilterWindowSet(frmMain& main) : main_(main) {}

FilterWindowSet::~FilterWindowSet() {
    // The windows know the set and the main window: none of them stays behind.
    if (forms::ended()) return;
    if (frmBlock* b = loadedBlock()) forms::Unload(*b);
    if (frmfilter* f = loadedFilter()) forms::Unload(*f);
    if (frmport* p = loadedPorts()) forms::Unload(*p);
}

frmport& FilterWindowSet::ports() { return ports_.get(main_, *this); }
frmfilter& FilterWindowSet::filter() { return filter_.get(main_); }
frmBlock& FilterWindowSet::block() { return block_.get(*this); }
frmport* FilterWindowSet::loadedPorts() const { return ports_.loaded(); }
frmfilter* FilterWindowSet::loadedFilter() const { return filter_.loaded(); }
frmBlock* FilterWindowSet::loadedBlock() const { return block_.loaded(); }

bool FilterWindowSet::Filtering() { return filter().Filtering; }

const engine::FilterLists& FilterWindowSet::lvwFilter() { return filter().lists(); }

void FilterWindowSet::RefreshNS() {
    if (frmport* p = loadedPorts()) p->RefreshNS();
}

}  // namespace qv::ui
