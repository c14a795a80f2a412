#include "ui/main/program_hooks.h"

#include "cipher/progress.h"
#include "engine/ui_hooks.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/runtime.h"
#include "ui/main/application_title.h"
#include "ui/main/program_end.h"

namespace qv::ui {

class ProgramHooks::Pump final : public cipher::ProgressPump {
public:
    void showProgress(float) override {}
    void pumpMessages() override { forms::DoEvents(); }
    void setBusyPointer(bool) override {}
};

// Runs an end that was asked for from inside a pass as soon as the loop is back out of it.
class ProgramHooks::EndWatch final : public forms::Poller {
public:
    void poll() override { RunRequestedEnd(); }
};

ProgramHooks::ProgramHooks() : pump_(std::make_unique<Pump>()), endWatch_(std::make_unique<EndWatch>()) {
    forms::setAppTitle(std::string(ApplicationTitle));
    engine::setDoEventsHandler([] { forms::DoEvents(); });
    engine::setMsgBoxHandler([](const std::string& text, const std::string& title, int style) {
        return forms::MsgBox(text, style, title);
    });
    cipher::SetProgressPump(pump_.get());
    forms::addPoller(endWatch_.get());
}

ProgramHooks::~ProgramHooks() {
    forms::removePoller(endWatch_.get());
    cipher::SetProgressPump(nullptr);
    engine::setMsgBoxHandler({});
    engine::setDoEventsHandler({});
}

}  // namespace qv::ui
