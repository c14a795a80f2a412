#pragma once
// What every window test starts from and leaves behind: the designs of the repository, message
// boxes answered by the test's prompter, no balloon window yet, and the engine's run-long state
// as a new run has it.
#include "controls/balloon.h"
#include "engine/alert_markers.h"
#include "engine/connection_table.h"
#include "engine/poll_pass.h"
#include "engine/process_control.h"
#include "engine/version_reader.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/runtime.h"

namespace qv::ui::testing {

inline void startAfresh(forms::Prompter& prompter) {
    forms::setDesignFolder(QV_SOURCE_DIR "/assets/Forms");
    forms::setPrompter(&prompter);
    controls::ResetBalloon();
    engine::pollState() = engine::PollState{};
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
