#include "ui/windows/encode_progress.h"

#include "platform/forms/instances.h"
#include "platform/forms/runtime.h"
#include "ui/windows/frm_encode.h"

namespace qv::ui {

namespace {

class EncodeProgressPump final : public cipher::ProgressPump {
public:
    void showProgress(float percent) override { forms::Default<frmEncode>().ShowProgress(percent); }
    void pumpMessages() override { forms::DoEvents(); }
    // The tool window shows a run by its buttons (only Cancel usable); runs of the program's
    // own stores show nothing.
    void setBusyPointer(bool) override {}
};

}  // namespace

cipher::ProgressPump& EncodeProgress() {
    static EncodeProgressPump pump;
    return pump;
}

}  // namespace qv::ui
