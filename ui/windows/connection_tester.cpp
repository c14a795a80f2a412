#include "ui/windows/connection_tester.h"

#include <cstdio>
#include <optional>

#include "platform/base/convert.h"
#include "platform/base/text.h"
#include "platform/forms/instances.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/runtime.h"
#include "ui/windows/frm_view.h"
#include "ui/windows/mod_headers.h"

namespace qv::ui {

namespace {

constexpr forms::OleColor kWhite = 0xFFFFFF;
constexpr const char* kNotConnected = "Connected to: <Not Connected>";
constexpr const char* kInternalData = "<Internal data to be sent>";
constexpr int kSystems = 4, kOptions = 8;

void refused() { forms::MsgBox("Conection refused...", forms::vbExclamation, "Error Sending Data"); }

// A port as typed: a whole number from 1 to 65535.
std::optional<int> portOf(const std::string& text) {
    const std::optional<double> v = base::parseNumber(text);
    if (!v || *v != static_cast<double>(static_cast<int>(*v)) || *v < 1 || *v > 65535) return std::nullopt;
    return static_cast<int>(*v);
}

}  // namespace

std::string ConsoleText(const std::string& data) {
    std::string out;
    out.reserve(data.size());
    for (char ch : data) {
        const auto b = static_cast<unsigned char>(ch);
        if ((b < 0x20 && b != '\t' && b != '\r' && b != '\n') || b == 0x7F) {
            char esc[5];
            std::snprintf(esc, sizeof esc, "\\x%02X", b);
            out += esc;
        } else {
            out += ch;
        }
    }
    return out;
}

ConnectionTester::ConnectionTester(const TesterControls& controls) : c_(controls) {
    c_.tmrCon.Tick = [this] { tmrCon_Timer(); };
    c_.WS1.DataArrival = [this](long) { WS1_DataArrival(); };
    c_.WS1.Error = [this](int, const std::string&) { WS1_Error(); };
    c_.chkEnable.Click = [this] { chkEnable_Click(); };
    c_.optEM.on(&forms::OptionButton::Click, [this](int) { optEM_Click(); });
    c_.cmdDisCon.Click = [this] { cmdDisCon_Click(); };
}

void ConnectionTester::Load() {
    ticks_ = 0;
    chkEnable_Click();
    sendBoxOff(true);
    c_.cmdSend.Enabled(false);
    c_.cmdDisCon.Enabled(false);
}

void ConnectionTester::Unload() {
    if (c_.WS1.State() != forms::sckClosed) c_.WS1.Close();
    c_.tmrCon.Enabled(false);
    closeConsole();
    state_ = State::Idle;
}

void ConnectionTester::sendBoxOff(bool empty) {
    if (empty) c_.txtSend.Text("");
    c_.txtSend.Enabled(false);
    c_.txtSend.BackColor(forms::kSysButtonFace);
}

void ConnectionTester::sendBoxOn() {
    c_.txtSend.Text("");
    c_.txtSend.Enabled(true);
    c_.txtSend.BackColor(kWhite);
    c_.cmdSend.Enabled(true);
}

void ConnectionTester::showNotConnected() { c_.fraCon2.Caption(kNotConnected); }

void ConnectionTester::chkEnable_Click() {
    const bool emulate = c_.chkEnable.Value() == 1;
    c_.fraOS.Enabled(emulate);
    c_.fraClient.Enabled(emulate);
    for (int i = 0; i < kOptions; ++i)
        if (c_.optEM.exists(i)) c_.optEM(i).Enabled(emulate);
    if (emulate) {
        c_.txtSend.Text(kInternalData);
        sendBoxOff(false);
        c_.cmdSend.Enabled(false);
        // The request names the options the window shows selected.
        optEM_Click();
    } else if (c_.cmdDisCon.Enabled()) {
        sendBoxOn();
    }
}

void ConnectionTester::optEM_Click() {
    auto firstSelected = [this](int from, int to, int current) {
        for (int i = from; i < to; ++i)
            if (c_.optEM.exists(i) && c_.optEM(i).Value()) return i;
        return current;
    };
    system_ = firstSelected(0, kSystems, system_);
    client_ = firstSelected(kSystems, kOptions, client_);
}

void ConnectionTester::cmdConnect_Click() {
    if (state_ != State::Idle) return;
    const std::string address = c_.txtAddr.Text();
    const std::optional<int> port = portOf(c_.txtport.Text());
    if (!port) {
        forms::MsgBox("Please enter a port number from 1 to 65535.", forms::vbExclamation, "Connection Error");
        return;
    }
    // The host is set even when empty, so an empty box never reaches the previous host.
    c_.WS1.RemoteHost(address);
    c_.WS1.RemotePort(*port);
    c_.WS1.Connect();
    state_ = State::Connecting;
    showNotConnected();
    forms::Default<frmView>().Show();
    consoleFirst("<<< Trying to connect to: " + address + ":" + c_.txtport.Text() + " >>>");
    c_.cmdDisCon.Enabled(true);
    c_.cmdDisCon.Caption("&Abort");
    c_.isButton2.Enabled(false);
    ticks_ = 0;
    c_.tmrCon.Enabled(true);
}

void ConnectionTester::tmrCon_Timer() {
    ++ticks_;
    if (c_.WS1.State() == forms::sckConnected) {
        ticks_ = 0;
        OnConnected();
        return;
    }
    if (ticks_ < kTimeOutTicks) return;
    // Stopped first, so no tick comes while the message waits.
    c_.tmrCon.Enabled(false);
    forms::MsgBox("Connection timed out after 30 seconds...", forms::vbExclamation, "Connection Error");
    closeConsole();
}

void ConnectionTester::OnConnected() {
    c_.tmrCon.Enabled(false);
    state_ = State::Connected;
    c_.fraCon2.Caption("Connected to: " + c_.WS1.RemoteHost() + ":" + std::to_string(c_.WS1.RemotePort()));
    c_.isButton2.Enabled(true);
    consoleAdd("<<< ready to send/recv >>>");
    if (c_.chkEnable.Value() == 1) {
        const std::string request = BuildHttpRequest(system_, client_, c_.txtAddr.Text());
        consoleAdd("<<< " + request + " >>>");
        c_.WS1.SendData(request);
        forms::DoEvents();
    } else {
        sendBoxOn();
    }
    c_.cmdDisCon.Caption("Disconnect");
}

void ConnectionTester::cmdSend_Click() {
    if (c_.WS1.State() != forms::sckConnected) {
        cmdDisCon_Click();
        refused();
        return;
    }
    const std::string line = c_.txtSend.Text();
    consoleAdd("// " + line + " \\\\");
    c_.WS1.SendData(line + "\n");
    forms::DoEvents();
}

void ConnectionTester::cmdDisCon_Click() {
    if (c_.WS1.State() != forms::sckClosed) c_.WS1.Close();
    c_.tmrCon.Enabled(false);
    sendBoxOff(false);
    c_.cmdSend.Enabled(false);
    c_.cmdDisCon.Enabled(false);
    c_.isButton2.Enabled(true);
    showNotConnected();
    closeConsole();
    state_ = State::Idle;
}

void ConnectionTester::WS1_DataArrival() {
    std::string data;
    c_.WS1.GetData(data);
    consoleAdd(data);
}

void ConnectionTester::WS1_Error() {
    c_.WS1.Close();
    sendBoxOff(true);
    c_.tmrCon.Enabled(false);
    c_.cmdSend.Enabled(false);
    c_.cmdDisCon.Enabled(false);
    showNotConnected();
    state_ = State::Idle;
    refused();
    closeConsole();
    c_.isButton2.Enabled(true);
}

void ConnectionTester::consoleFirst(const std::string& piece) {
    if (!forms::IsLoaded<frmView>()) return;
    forms::Default<frmView>().txtConView.Text(ConsoleText(piece));
}

void ConnectionTester::consoleAdd(const std::string& piece) {
    if (!forms::IsLoaded<frmView>()) return;
    forms::RichTextBox& console = forms::Default<frmView>().txtConView;
    console.Text(console.Text() + "\r\n" + ConsoleText(piece));
}

void ConnectionTester::closeConsole() {
    if (forms::IsLoaded<frmView>()) forms::Unload(forms::Default<frmView>());
}

}  // namespace qv::ui
