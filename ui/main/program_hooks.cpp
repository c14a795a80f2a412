#include "ui/main/program_hooks.h"

#include "cipher/progress.h"
#include "engine/ui_hooks.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/runtime.h"
#include "ui/main/application_title.h"
#include "ui/main/orderly_end.h"
#include "ui/main/program_end.h"

namespace qv::ui {

class ProgramHooks::Pump final : public cipher::ProgressPump {
public:
    void showProgress(float) override {}
    void pumpMessages() override { forms::DoEvents(); }
    void setBusyPointer(bool) override {}
};

ProgramHooks::ProgramHooks(cipher::ProgressPump* progress) : pump_(std::make_unique<Pump>()) {
    forms::setAppTitle(std::string(ApplicationTitle));
    engine::setDoEventsHandler([] { forms::DoEvents(); });
    engine::setMsgBoxHandler([](const std::string& text, const std::string& title, int style) {
        return forms::MsgBox(text, style, title);
    });
    cipher::SetProgressPump(progress != nullptr ? progress : pump_.get());
    setOrderlyEnd([] { RequestEnd(); });
}

ProgramHooks::~ProgramHooks() {
    setOrderlyEnd({});
    cipher::SetProgressPump(nullptr);
    engine::setMsgBoxHandler({});
    engine::setDoEventsHandler({});
}

}  // namespace qv::ui
