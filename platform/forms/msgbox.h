#pragma once
// Message boxes and file dialogs, answered through one prompter: the window system's for a
// person, a script in tests. MsgBox takes the style numbers the program uses (buttons + icon +
// default button, 48 exclamation with OK, 64 information, 324 Yes/No with information icon and
// the second button default) and returns the button pressed.
#include <optional>
#include <string>
#include <vector>

namespace qv::forms {

// Style parts, added together.
inline constexpr int vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3, vbYesNo = 4,
                     vbRetryCancel = 5;
inline constexpr int vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64;
inline constexpr int vbDefaultButton1 = 0, vbDefaultButton2 = 256, vbDefaultButton3 = 512;
// Buttons pressed.
inline constexpr int vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7;

struct MessageBoxRequest {
    std::string text;
    std::string title;
    int style = 0;
    // The buttons the style shows, in order, and the one Enter would press.
    std::vector<int> buttons() const;
    int defaultButton() const;
    int icon() const { return style & 0x70; }
};

struct FileDialogRequest {
    std::string title;
    std::string filter;   // "Text (*.txt)|*.txt|All files|*.*"
    std::string initDir;
    std::string fileName;
    bool save = false;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    // One of the request's buttons.
    virtual int messageBox(const MessageBoxRequest& r) = 0;
    // A path, or nothing when cancelled.
    virtual std::optional<std::string> fileDialog(const FileDialogRequest& r) = 0;
};

// Installs the prompter (nullptr: the headless one, which presses the default button and
// cancels file dialogs).
void setPrompter(Prompter* p);
Prompter& prompter();

// The program's title: the title of message boxes that give none.
void setAppTitle(std::string title);
const std::string& AppTitle();

// Shows a message box; "" as title gives the program's title. An answer that is not one of
// the style's buttons counts as its default button.
int MsgBox(const std::string& prompt, int style = 0, const std::string& title = "");

// A prompter that answers from a script and records what it was asked (tests).
class ScriptedPrompter : public Prompter {
public:
    std::vector<MessageBoxRequest> boxes;
    std::vector<FileDialogRequest> dialogs;
    std::vector<int> answers;                        // taken in order; then the default button
    std::vector<std::optional<std::string>> files;   // taken in order; then cancelled
    int messageBox(const MessageBoxRequest& r) override;
    std::optional<std::string> fileDialog(const FileDialogRequest& r) override;
};

}  // namespace qv::forms
