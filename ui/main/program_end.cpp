#include "ui/main/program_end.h"

#include "cipher/progress.h"
#include "cipher/ultra_state.h"
#include "engine/poll_pass.h"
#include "engine/process_control.h"
#include "platform/forms/instances.h"
#include "platform/forms/intrinsic/timer.h"
#include "platform/forms/runtime.h"
#include "platform/gui/window_system.h"
#include "ui/main/companions.h"
#include "ui/main/frm_main.h"
#include "ui/main/run_state.h"
#include "ui/main/store_files.h"

namespace qv::ui {

namespace {

struct EndState {
    bool requested = false;
    bool ending = false;
    frmMain* main = nullptr;
    forms::TimerId waiting = 0;  // looks again for the end once what is half done returns
};

EndState& state() {
    static EndState s;
    return s;
}

// A pass or a cipher call that a message pump of theirs left to let this request in.
bool halfDone() { return engine::pollState().running || cipher::ULTRA.Running; }

void stopEveryTimer() {
    for (forms::Form* f : forms::LoadedForms())
        for (forms::Control* c : f->Controls())
            if (auto* t = dynamic_cast<forms::Timer*>(c)) t->Enabled(false);
    forms::stopAllTimers();  // the constituents' timers of our own controls too
}

// Every window of the program stops taking input: the forms are disabled (their windows with
// them), then whatever other window is left (a popup menu, a message box, the tray icon's
// window), and nothing keeps the mouse or the keys.
void dropInput() {
    for (forms::Form* f : forms::LoadedForms()) f->Enabled(false);
    gui::WindowSystem& ws = gui::windows();
    for (gui::HWnd h : ws.topLevelWindows()) ws.enableWindow(h, false);
    if (ws.capture() != 0) ws.releaseCapture();
    ws.setFocus(0);
}

void runEnd() {
    EndState& s = state();
    s.ending = true;
    stopEveryTimer();
    engine::EndPasses();
    dropInput();
    engine::ResumeSuspendedProcesses();
    {
        // The cipher's silent pump: no window message runs while the stores are sealed.
        cipher::ProgressPump& previous = cipher::CurrentProgressPump();
        cipher::SetProgressPump(nullptr);
        SealStores();
        cipher::SetProgressPump(&previous);
    }
    if (frmMain* main = s.main) {
        resetRunState();
        main->saveset();
        main->Visible(false);
    }
    companions().unloadTester();
    forms::End();
    gui::windows().postQuitMessage(0);  // the program's message loop returns
}

// The end now, or, while a pass or a cipher call is half done, on a timer's tick once it is not.
void tryEnd() {
    EndState& s = state();
    if (s.ending) return;
    if (!halfDone()) {
        runEnd();
        return;
    }
    if (s.waiting != 0) return;
    s.waiting = forms::startTimer(10, [] {
        if (halfDone()) return;
        forms::stopTimer(state().waiting);
        state().waiting = 0;
        tryEnd();
    });
}

}  // namespace

void RequestEnd() {
    state().requested = true;
    tryEnd();
}

bool EndRequested() { return state().requested; }
bool Ending() { return state().ending; }

void setRunningMain(frmMain* main) { state().main = main; }
frmMain* runningMain() { return state().main; }

void ResetProgramEnd() {
    frmMain* main = state().main;
    state() = EndState{};
    state().main = main;
}

}  // namespace qv::ui
