#pragma once
// The one instance of a window that works with the main window: the one loaded now, or a new
// one, made and loaded. Showing a window that is still loaded does not load it again.
#include "platform/forms/instances.h"

namespace qv::ui {

class frmMain;

template <class F>
F* LoadedWindow() {
    for (forms::Form* f : forms::LoadedForms())
        if (auto* w = dynamic_cast<F*>(f)) return w;
    return nullptr;
}

template <class F>
F& OneWindow(frmMain& main) {
    if (F* w = LoadedWindow<F>()) return *w;
    return forms::New<F>(main);
}

}  // namespace qv::ui
