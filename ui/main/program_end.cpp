#include "ui/main/program_end.h"

#include "cipher/progress.h"
#include "cipher/ultra_state.h"
#include "engine/poll_pass.h"
#include "engine/process_control.h"
#include "platform/forms/instances.h"
#include "platform/forms/intrinsic/timer.h"
#include "platform/forms/runtime.h"
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
};

EndState& state() {
    static EndState s;
    return s;
}

// A pass or a cipher call that a message pump of theirs left to let this request in.
bool halfDone() { return engine::pollState().running || cipher::ULTRA.Running; }

// The cipher lets no window message run while the end seals the stores.
class SilentPump final : public cipher::ProgressPump {
public:
    void showProgress(float) override {}
    void pumpMessages() override {}
    void setBusyPointer(bool) override {}
};

void stopEveryTimer() {
    for (forms::Form* f : forms::LoadedForms())
        for (forms::Control* c : f->Controls())
            if (auto* t = dynamic_cast<forms::Timer*>(c)) t->Enabled(false);
    forms::stopAllTimers();  // the constituents' timers of our own controls too
}

void dropInput() {
    for (forms::Form* f : forms::LoadedForms()) f->Enabled(false);
}

void runEnd() {
    EndState& s = state();
    s.ending = true;
    stopEveryTimer();
    engine::EndPasses();
    dropInput();
    engine::ResumeSuspendedProcesses();
    {
        SilentPump silent;
        cipher::ProgressPump& previous = cipher::CurrentProgressPump();
        cipher::SetProgressPump(&silent);
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
}

}  // namespace

void RequestEnd() {
    state().requested = true;
    RunRequestedEnd();
}

void RunRequestedEnd() {
    EndState& s = state();
    if (!s.requested || s.ending || halfDone()) return;
    runEnd();
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
