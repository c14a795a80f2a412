#pragma once
// What the engine needs from the window system without depending on it: letting pending window
// messages run inside long loops, and showing a message box. The user interface installs both
// when it starts; until then DoEvents does nothing and a message box is answered with OK.
#include <functional>
#include <string>
#include <string_view>

namespace qv::engine {

// Message-box styles and answers, by their classic numbers.
inline constexpr int kMbOk = 0;
inline constexpr int kMbExclamation = 48;
inline constexpr int kIdOk = 1;

using DoEventsHandler = std::function<void()>;
// text, title ("" = the program's title), style -> the button pressed.
using MsgBoxHandler = std::function<int(const std::string& text, const std::string& title, int style)>;

void setDoEventsHandler(DoEventsHandler handler);
void setMsgBoxHandler(MsgBoxHandler handler);

void DoEvents();
int MsgBox(std::string_view text, int style = kMbOk, std::string_view title = {});

}  // namespace qv::engine
