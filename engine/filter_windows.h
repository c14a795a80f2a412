#pragma once
// The windows the filter pass reaches: the filter editor `frmfilter`, whose switch and lists it
// reads, and the open-port list `frmport`, which it asks to refresh. The user interface
// implements these interfaces and installs them; until it does (and in tests without them)
// stand-ins answer: filtering off with empty lists, and a refresh that does nothing.
#include "engine/filter_lists.h"

namespace qv::engine {

class FilterWindow {
public:
    virtual ~FilterWindow() = default;
    // The public Boolean `Filtering`: the filter pass acts only while it is true. The first
    // access loads the window (hidden) when it is not loaded, and so reads the filter file.
    virtual bool Filtering() = 0;
    // `lvwFilter(0..2)`, as the window holds them now.
    virtual const FilterLists& lvwFilter() = 0;
};

class PortWindow {
public:
    virtual ~PortWindow() = default;
    // The public operation `RefreshNS`: rebuild the connection list from a fresh table.
    virtual void RefreshNS() = 0;
};

// The installed windows, or the stand-ins.
FilterWindow& filterWindow();
PortWindow& portWindow();

// Installs a window of one of these kinds for the object's lifetime.
template <class Window>
class ScopedFilterPassWindow {
public:
    explicit ScopedFilterPassWindow(Window& window) : previous_(slot()) { slot() = &window; }
    ~ScopedFilterPassWindow() { slot() = previous_; }
    ScopedFilterPassWindow(const ScopedFilterPassWindow&) = delete;
    ScopedFilterPassWindow& operator=(const ScopedFilterPassWindow&) = delete;

    // The installed window of this kind, or nullptr.
    static Window*& slot() {
        static Window* installed = nullptr;
        return installed;
    }

private:
    Window* previous_;
};
using ScopedFilterWindow = ScopedFilterPassWindow<FilterWindow>;
using ScopedPortWindow = ScopedFilterPassWindow<PortWindow>;

}  // namespace qv::engine
