#pragma once
// Where the program's windows reach a person: the X11 display DISPLAY names, when it opens. With
// it come the windows that answer a person — message boxes, the file dialog and popup menus —
// in place of the headless answers; they go again when the display goes.
#include <memory>
#include <string>

namespace qv::present::x11 {
class X11Presenter;
}
namespace qv::forms {
class WindowPrompter;
}

namespace qv::app {

class Display {
public:
    // Opens the display named by DISPLAY; shown() is false when there is none or it cannot be
    // opened (why() then says which).
    Display();
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    bool shown() const { return presenter_ != nullptr; }
    const std::string& why() const { return why_; }

private:
    std::unique_ptr<present::x11::X11Presenter> presenter_;
    std::unique_ptr<forms::WindowPrompter> prompter_;
    std::string why_;
};

}  // namespace qv::app
