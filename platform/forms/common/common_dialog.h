#pragma once
// CommonDialog: the file dialogs, answered by the prompter. ShowOpen and ShowSave ask with the
// dialog's title, filter, folder and file name; a chosen path becomes FileName (and its last
// part FileTitle). A cancelled dialog leaves FileName as it was, and with CancelError it is
// error 32755.
#include <string>

#include "platform/forms/control.h"

namespace qv::forms {

inline constexpr int cdlCancel = 32755;
// Flags the program uses.
inline constexpr int cdlOFNReadOnly = 1, cdlOFNOverwritePrompt = 2, cdlOFNHideReadOnly = 4,
                     cdlOFNFileMustExist = 0x1000;

class CommonDialog : public Control {
public:
    CommonDialog(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {}
    std::string_view kind() const override { return "CommonDialog"; }
    bool windowed() const override { return false; }
    bool shownAtRunTime() const override { return false; }

    QV_FORMS_PROPERTY(std::string, FileName, "")
    QV_FORMS_PROPERTY(std::string, DialogTitle, "")
    QV_FORMS_PROPERTY(std::string, Filter, "")
    QV_FORMS_PROPERTY(int, FilterIndex, 0)
    QV_FORMS_PROPERTY(std::string, InitDir, "")
    QV_FORMS_PROPERTY(std::string, DefaultExt, "")
    QV_FORMS_PROPERTY(int, Flags, 0)
    QV_FORMS_PROPERTY(bool, CancelError, false)
    // The file part of the last chosen FileName.
    const std::string& FileTitle() const { return fileTitle_; }

    void ShowOpen() { show(false); }
    void ShowSave() { show(true); }

    bool applyDesign(const std::string& key, const DesignValue& v) override;

private:
    void show(bool save);
    std::string fileTitle_;
};

}  // namespace qv::forms
