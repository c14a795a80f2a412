#pragma once
// The connection tester behind frmCon: a raw TCP connection opened by hand, watched by a 500 ms
// timer for at most 30 seconds, then either an emulated browser request sent unasked or lines
// typed by the user; everything sent and received is echoed in the console window frmView.
//
// States: idle (socket closed, Disconnect disabled) -> connecting (Connect pressed: the timer
// runs, Disconnect reads "&Abort") -> connected (the timer found the socket connected). Abort,
// Disconnect, a socket error or a send that finds no connection go back to idle. At the 60th
// tick without a connection the timer stops and a time-out message shows; the attempt stays
// open until the user aborts it.
//
// The window owns the controls and hands them over; the tester handles the events of the
// intrinsic ones itself (tmrCon, WS1, chkEnable, optEM, cmdDisCon). The window calls Load and
// Unload from its own, and the Click handlers of its owner-drawn buttons cmdConnect and cmdSend.
#include <cstdint>
#include <string>

#include "platform/forms/common/winsock.h"
#include "platform/forms/control_array.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/text_box.h"
#include "platform/forms/intrinsic/timer.h"

namespace qv::ui {

struct TesterControls {
    forms::TextBox& txtAddr;
    forms::TextBox& txtport;
    forms::TextBox& txtSend;
    forms::Control& cmdSend;    // owner-drawn: only enabled or disabled here
    forms::CommandButton& cmdDisCon;
    forms::Control& isButton2;  // owner-drawn: only enabled or disabled here
    forms::CheckBox& chkEnable;
    forms::Frame& fraOS;
    forms::Frame& fraClient;
    forms::ControlArray<forms::OptionButton>& optEM;  // 0..3 systems, 4..7 clients
    forms::Frame& fraCon2;
    forms::Timer& tmrCon;
    forms::Winsock& WS1;
};

class ConnectionTester {
public:
    enum class State { Idle, Connecting, Connected };
    static constexpr int kTimeOutTicks = 60;

    explicit ConnectionTester(const TesterControls& controls);

    State state() const { return state_; }
    int16_t ticks() const { return ticks_; }
    int systemIndex() const { return system_; }
    int clientIndex() const { return client_; }

    // From frmCon's Form_Load and Form_Unload.
    void Load();
    void Unload();

    // Starts an attempt to the address and port typed, from idle only; a port that is no whole
    // number from 1 to 65535 is refused with a message.
    void cmdConnect_Click();
    void cmdSend_Click();
    void cmdDisCon_Click();
    void chkEnable_Click();
    void optEM_Click();
    void tmrCon_Timer();
    void WS1_DataArrival();
    void WS1_Error();

private:
    void OnConnected();
    // Console writes: the first of an attempt replaces the console, the others add a line.
    // Nothing is written once the console window is gone.
    void consoleFirst(const std::string& piece);
    void consoleAdd(const std::string& piece);
    void closeConsole();
    void sendBoxOff(bool empty);
    void sendBoxOn();
    void showNotConnected();

    TesterControls c_;
    State state_ = State::Idle;
    int16_t ticks_ = 0;
    int system_ = 0;
    int client_ = 4;
};

// Text as the console shows it: NUL and the other control characters but tab, carriage return
// and line feed become visible escapes ("\x00").
std::string ConsoleText(const std::string& data);

}  // namespace qv::ui
