#pragma once
// What every window test starts from and leaves behind: the designs of the repository, message
// boxes answered by the test's prompter, no balloon window yet, and the engine's run-long state
// as a new run has it.
#include "controls/balloon.h"
#include "engine/alert_markers.h"
#include "engine/connection_closer.h"
#include "engine/connection_table.h"
#include "engine/filter_pass.h"
#include "engine/poll_pass.h"
#include "engine/process_control.h"
#include "engine/version_reader.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/runtime.h"
#include "platform/base/clock.h"
#include "platform/gui/sound.h"
#include "platform/gui/window_system.h"

namespace qv::ui::testing {

// What a window test runs on: a fake clock at 3:04:05 PM on 12/10/2026, a window system of its
// own, sounds that are only recorded, and message boxes answered by a script.
class WindowTestServices {
protected:
    base::FakeClock clock_{base::DateTime{2026, 12, 10, 15, 4, 5, 0}};
    base::ScopedClock useClock_{clock_};
    gui::WindowSystem ws_;
    gui::ScopedWindowSystem useWindows_{ws_};
    gui::RecordingSoundPlayer sounds_;
    gui::ScopedSoundPlayer useSounds_{sounds_};
    forms::ScriptedPrompter prompter_;
};

inline void startAfresh(forms::Prompter& prompter) {
    forms::setDesignFolder(QV_SOURCE_DIR "/assets/Forms");
    forms::setPrompter(&prompter);
    controls::ResetBalloon();
    engine::pollState() = engine::PollState{};
    engine::filterState() = engine::FilterState{};
    engine::ResetCloseRightsNotice();
    engine::AskedApps().clear();
    engine::PendingAlerts().clear();
    engine::Connections().clear();
    engine::SuspendedProcesses().clear();
    engine::ClearVersionCache();
}

// Every form and timer gone, as before the test.
inline void endForms() {
    forms::resetForms();
    forms::resetRuntime();
}

inline void leaveAsFound() {
    controls::ResetBalloon();
    forms::setPrompter(nullptr);
}

}  // namespace qv::ui::testing
