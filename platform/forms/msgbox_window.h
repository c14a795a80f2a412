#pragma once
// Message boxes as windows a person answers: a fixed dialog with the style's icon, the text and
// one button per answer, the default one focused, shown modal above the program's windows
// while the caller waits in a nested run of the loop. A button, Enter (the focused button),
// Escape or the close box (Cancel, or the default when there is no Cancel) answers it. The
// program installs it where a person sees its windows: setPrompter(&windowPrompter).
#include "platform/forms/msgbox.h"

namespace qv::forms {

class WindowPrompter : public Prompter {
public:
    int messageBox(const MessageBoxRequest& r) override;
    // The file dialog form (showFileDialog).
    std::optional<std::string> fileDialog(const FileDialogRequest& r) override;
};

}  // namespace qv::forms
