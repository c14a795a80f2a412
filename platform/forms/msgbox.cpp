#include "platform/forms/msgbox.h"

#include <algorithm>

#include "platform/forms/runtime.h"

namespace qv::forms {
namespace {

class HeadlessPrompter : public Prompter {
public:
    int messageBox(const MessageBoxRequest& r) override { return r.defaultButton(); }
    std::optional<std::string> fileDialog(const FileDialogRequest&) override { return std::nullopt; }
};

struct PromptState {
    Prompter* installed = nullptr;
    std::string title = "Quarvelin";
};

PromptState& promptState() {
    static PromptState s;
    return s;
}

}  // namespace

std::vector<int> MessageBoxRequest::buttons() const {
    switch (style & 7) {
        case vbOKCancel: return {vbOK, vbCancel};
        case vbAbortRetryIgnore: return {vbAbort, vbRetry, vbIgnore};
        case vbYesNoCancel: return {vbYes, vbNo, vbCancel};
        case vbYesNo: return {vbYes, vbNo};
        case vbRetryCancel: return {vbRetry, vbCancel};
        default: return {vbOK};
    }
}

int MessageBoxRequest::defaultButton() const {
    auto b = buttons();
    size_t i = static_cast<size_t>((style >> 8) & 3);
    return b[i < b.size() ? i : 0];
}

void setPrompter(Prompter* p) { promptState().installed = p; }

Prompter& prompter() {
    static HeadlessPrompter headless;
    return promptState().installed != nullptr ? *promptState().installed : headless;
}

void setAppTitle(std::string title) { promptState().title = std::move(title); }
const std::string& AppTitle() { return promptState().title; }

int MsgBox(const std::string& prompt, int style, const std::string& title) {
    MessageBoxRequest r{prompt, title.empty() ? AppTitle() : title, style};
    HandlerScope scope;  // the box is modal: nothing unloaded meanwhile is released under the caller
    int answer = prompter().messageBox(r);
    auto b = r.buttons();
    if (std::find(b.begin(), b.end(), answer) == b.end()) answer = r.defaultButton();
    return answer;
}

int ScriptedPrompter::messageBox(const MessageBoxRequest& r) {
    boxes.push_back(r);
    if (answers.empty()) return r.defaultButton();
    int a = answers.front();
    answers.erase(answers.begin());
    return a;
}

std::optional<std::string> ScriptedPrompter::fileDialog(const FileDialogRequest& r) {
    dialogs.push_back(r);
    if (files.empty()) return std::nullopt;
    auto f = files.front();
    files.erase(files.begin());
    return f;
}

}  // namespace qv::forms
