// The X11 presenter on the display DISPLAY names (an Xvfb will do):
//   IdleCpu: the CPU share of a core the program takes over ten seconds while one window is
//            shown and nothing happens (counter cpu_percent).
//   ClickToScreen: from a click sent with XTEST to the moment the screen shows the window's
//            repaint (read back from the screen by a second connection), per click.
//   PaintChange/20: one 20 by 20 part of a 600 by 400 window repainted and sent to the screen;
//            PaintChange/0: the whole window. The CPU column is the figure (the wall time
//            includes the loop's wait for the display).
#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>
#include <cstdlib>

#include "platform/gfx/device_context.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"
#include "platform/present/x11/x11_presenter.h"
#include "platform/present/x11/xlib.h"

#include <X11/extensions/XTest.h>

namespace {

using namespace qv;

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// A window that paints itself in its user data's colour; a left press (or double click) swaps
// the colour of its corner.
struct Scene {
    gui::WindowSystem ws;
    gui::ScopedWindowSystem use{ws};
    std::unique_ptr<present::x11::X11Presenter> presenter;
    gui::HWnd window = 0;

    explicit Scene(gfx::Rect at) {
        ws.registerClass(gui::WindowClass{"Bench", [this](gui::HWnd h, gui::MessageId m, gui::WParam w, gui::LParam l) {
                                              if (m == gui::WM_LBUTTONDOWN || m == gui::WM_LBUTTONDBLCLK) {
                                                  ws.setUserData(h, ws.userData(h) == 0xFF ? 0xFF00 : 0xFF);
                                                  const gfx::Rect part{0, 0, 20, 20};
                                                  ws.invalidateRect(h, &part);
                                                  return gui::LResult(0);
                                              }
                                              if (m != gui::WM_PAINT) return ws.defWindowProc(h, m, w, l);
                                              gfx::Region area;
                                              gfx::DeviceContext dc = ws.beginPaint(h, &area);
                                              dc.fillRect(area.bounds(), gfx::Brush::solid(gfx::Colour(ws.userData(h))));
                                              return gui::LResult(0);
                                          }});
        presenter = present::x11::X11Presenter::open(ws);
        if (!presenter) return;
        gui::CreateParams p;
        p.className = "Bench";
        p.style = gui::WS_POPUP;
        p.x = at.left;
        p.y = at.top;
        p.width = int(at.width());
        p.height = int(at.height());
        window = ws.createWindow(p);
        ws.setUserData(window, 0xFF);
        ws.showWindow(window, true);
        while (!presenter->showsAllPainted(window)) ws.pumpFor(5);
        ws.pumpFor(50);
    }
};

void IdleCpu(benchmark::State& state) {
    Scene scene({100, 100, 700, 500});
    if (!scene.presenter) return state.SkipWithError("no display");
    for (auto _ : state) {
        const double cpu0 = cpuSeconds();
        const auto wall0 = std::chrono::steady_clock::now();
        scene.ws.setTimer(0, 0, 10000, [&](gui::HWnd, std::uintptr_t id, std::int64_t) {
            scene.ws.killTimer(0, id);
            scene.ws.postQuitMessage(0);
        });
        scene.ws.runMessageLoop();
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
        state.SetIterationTime(wall);
        state.counters["cpu_percent"] = 100.0 * (cpuSeconds() - cpu0) / wall;
    }
}
BENCHMARK(IdleCpu)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void ClickToScreen(benchmark::State& state) {
    Scene scene({100, 100, 300, 200});
    if (!scene.presenter) return state.SkipWithError("no display");
    Display* probe = XOpenDisplay(nullptr);
    const Window root = DefaultRootWindow(probe);
    XTestFakeMotionEvent(probe, DefaultScreen(probe), 110, 110, CurrentTime);
    XFlush(probe);
    auto shown = [&] {
        XImage* img = XGetImage(probe, root, 105, 105, 1, 1, AllPlanes, ZPixmap);
        const unsigned long px = XGetPixel(img, 0, 0);
        XDestroyImage(img);
        return px;
    };
    for (auto _ : state) {
        const unsigned long before = shown();
        const auto t0 = std::chrono::steady_clock::now();
        XTestFakeButtonEvent(probe, 1, True, CurrentTime);
        XTestFakeButtonEvent(probe, 1, False, CurrentTime);
        XFlush(probe);
        do {
            scene.ws.pumpFor(1);
        } while (shown() == before);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
        scene.ws.pumpFor(2);
    }
    XCloseDisplay(probe);
}
BENCHMARK(ClickToScreen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

void PaintChange(benchmark::State& state) {
    Scene scene({100, 100, 700, 500});
    if (!scene.presenter) return state.SkipWithError("no display");
    const int side = int(state.range(0));
    const gfx::Rect part{100, 100, 100 + side, 100 + side};
    for (auto _ : state) {
        scene.ws.invalidateRect(scene.window, side ? &part : nullptr);
        scene.ws.pumpFor(0);  // paints into the surface
        while (!scene.presenter->showsAllPainted(scene.window)) scene.ws.pumpFor(1);
    }
}
BENCHMARK(PaintChange)->Arg(20)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
