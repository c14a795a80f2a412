// One loop runs everything: a form's timer, work posted by forms, the notification area's
// callbacks and the socket control's sockets are all sources of gui's loop, and one DoEvents
// dispatches whatever of them is due, in the loop's order: posted messages as they were
// posted, then ready descriptors, then due timers.
#include <poll.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "platform/base/clock.h"
#include "platform/forms/common/winsock.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "platform/forms/intrinsic/timer.h"
#include "platform/forms/runtime.h"
#include "platform/gui/messages.h"
#include "platform/gui/notification_area.h"
#include "platform/gui/window_system.h"
#include "tests/platform/forms/loopback_server.h"

namespace qv::forms {
namespace {

class frmLoop : public Form {
public:
    frmLoop() : Form("frmLoop") {
        Timer1.Interval(100);
        Timer1.Tick = [this] { order.push_back("timer"); };
        Winsock1.DataArrival = [this](long) {
            std::string s;
            Winsock1.GetData(s);
            order.push_back("data " + s);
        };
    }
    Timer Timer1{*this, "Timer1"};
    Winsock Winsock1{*this, "Winsock1"};
    std::vector<std::string> order;
};

TEST(OneLoop, OneDoEventsDispatchesTimerPostedWorkTrayCallbackAndSocketInOrder) {
    base::FakeClock clock;
    base::ScopedClock useClock(clock);
    gui::WindowSystem ws;
    gui::ScopedWindowSystem useWindows(ws);
    frmLoop f;
    Load(f);
    testing::LoopbackServer server;
    f.Winsock1.Connect("127.0.0.1", server.port());
    server.accept();
    for (int i = 0; i < 200 && f.Winsock1.State() != sckConnected; ++i) {
        DoEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ASSERT_EQ(f.Winsock1.State(), sckConnected);

    // The tray icon of the form's window, with its callback message.
    ws.setWindowSubclass(f.hWnd(), 1, [&](gui::HWnd h, gui::MessageId m, gui::WParam w, gui::LParam l,
                                          std::uintptr_t, std::intptr_t) {
        if (m == gui::WM_TRAYCALLBACK) f.order.push_back("tray");
        return ws.defSubclassProc(h, m, w, l);
    });
    gui::NotifyIconData icon;
    icon.hwnd = f.hWnd();
    icon.flags = gui::NIF_MESSAGE;
    icon.callbackMessage = gui::WM_TRAYCALLBACK;
    ASSERT_TRUE(ws.notificationArea().notifyIcon(gui::NIM_ADD, icon));

    // Everything becomes due before the loop looks: the timer's time comes, work is posted,
    // the person clicks the icon, and the server's bytes arrive.
    clock.advance(100);
    post([&] { f.order.push_back("posted"); });
    ws.notificationArea().pointerEvent(f.hWnd(), 0, gui::WM_LBUTTONUP);
    server.send("hello");
    pollfd none{-1, 0, 0};
    ::poll(&none, 0, 20);  // the bytes cross the loopback

    DoEvents();
    EXPECT_EQ(f.order, (std::vector<std::string>{"posted", "tray", "data hello", "timer"}));
    resetForms();
}

}  // namespace
}  // namespace qv::forms
