#include "engine/main_window.h"

#include "engine/detached_main_window.h"

namespace qv::engine {

namespace {
MainWindow*& installed() {
    static MainWindow* w = nullptr;
    return w;
}
}  // namespace

MainWindow& mainWindow() {
    if (MainWindow* w = installed()) return *w;
    static DetachedMainWindow standIn;
    return standIn;
}

ScopedMainWindow::ScopedMainWindow(MainWindow& window) : previous_(installed()) {
    installed() = &window;
}

ScopedMainWindow::~ScopedMainWindow() { installed() = previous_; }

}  // namespace qv::engine
