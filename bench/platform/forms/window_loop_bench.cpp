// The one loop and the windows of forms on their hot paths: a second of an idle loop with three
// form timers (200 ms, 250 ms, 1 s) on the real clock, a full repaint of a 612 x 361 window
// holding forty controls, and one input event from the screen to its control's handler.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/base/clock.h"
#include "platform/forms/common/list_view.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/lists.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/text_box.h"
#include "platform/forms/intrinsic/timer.h"
#include "platform/gui/window_system.h"

namespace {

using namespace qv;
constexpr int kTw = forms::kTwipsPerPixel;

template <class C>
void place(C& c, int x, int y, int w, int h) {
    c.Move(x * kTw, y * kTw, w * kTw, h * kTw);
}

class frmTimers : public forms::Form {
public:
    frmTimers() : Form("frmTimers") {
        int* counts[] = {&ticks[0], &ticks[1], &ticks[2]};
        const int intervals[] = {200, 250, 1000};
        for (int i = 0; i < 3; ++i) {
            timers.push_back(std::make_unique<forms::Timer>(*this, "Timer" + std::to_string(i + 1)));
            timers.back()->Interval(intervals[i]);
            timers.back()->Tick = [c = counts[i]] { ++*c; };
        }
    }
    std::vector<std::unique_ptr<forms::Timer>> timers;
    int ticks[3] = {0, 0, 0};
};

void BM_LoopIdleOneSecondWithThreeTimers(benchmark::State& state) {
    gui::WindowSystem ws;
    gui::ScopedWindowSystem use(ws);
    frmTimers f;
    forms::Load(f);
    for (auto _ : state) ws.pumpFor(1000);
    state.counters["ticks_200ms"] = double(f.ticks[0]) / double(state.iterations());
    forms::Unload(f);
    forms::resetForms();
}
BENCHMARK(BM_LoopIdleOneSecondWithThreeTimers)->Unit(benchmark::kMillisecond)->Iterations(3);

// The main window's size, with forty controls of the kinds it holds.
class frmForty : public forms::Form {
public:
    frmForty() : Form("frmForty") {
        BorderStyle(0);
        Move(0, 0, 612 * kTw, 361 * kTw);
        for (int i = 0; i < 10; ++i) {
            auto& c = own(std::make_unique<forms::CheckBox>(*this, "Check" + std::to_string(i)));
            place(c, 8, 8 + 20 * i, 140, 17);
            c.Caption("Option number " + std::to_string(i));
            c.Value(i % 2);
            auto& l = own(std::make_unique<forms::Label>(*this, "Label" + std::to_string(i)));
            place(l, 160, 8 + 20 * i, 120, 17);
            l.Caption("Counter " + std::to_string(i * 37));
        }
        for (int i = 0; i < 6; ++i) {
            auto& t = own(std::make_unique<forms::TextBox>(*this, "Text" + std::to_string(i)));
            place(t, 290, 8 + 26 * i, 140, 21);
            t.Text("192.168.0." + std::to_string(i));
            auto& b = own(std::make_unique<forms::CommandButton>(*this, "Command" + std::to_string(i)));
            place(b, 440, 8 + 26 * i, 80, 23);
            b.Caption("Button " + std::to_string(i));
        }
        for (int i = 0; i < 4; ++i) {
            auto& fr = own(std::make_unique<forms::Frame>(*this, "Frame" + std::to_string(i)));
            place(fr, 290 + 80 * i, 170, 76, 40);
            fr.Caption("Frame " + std::to_string(i));
        }
        for (int i = 0; i < 2; ++i) {
            auto& s = own(std::make_unique<forms::Shape>(*this, "Shape" + std::to_string(i)));
            place(s, 530, 8 + 30 * i, 60, 24);
        }
        auto& lv = own(std::make_unique<forms::ListView>(*this, "lvFirewall"));
        place(lv, 8, 220, 420, 132);
        lv.ColumnHeaders().Add(-1, "", "Application", 150 * kTw);
        lv.ColumnHeaders().Add(-1, "", "Version", 100 * kTw);
        lv.ColumnHeaders().Add(-1, "", "Path", 170 * kTw);
        for (int i = 0; i < 7; ++i) {
            auto& item = lv.ListItems().Add(-1, "k" + std::to_string(i), "application" + std::to_string(i) + ".exe");
            item.SubItems(1, "1.0." + std::to_string(i));
            item.SubItems(2, "C:\\Program Files\\App" + std::to_string(i));
        }
        auto& list = own(std::make_unique<forms::ListBox>(*this, "List1"));
        place(list, 440, 220, 160, 132);
        for (int i = 0; i < 12; ++i) list.AddItem("Blocked port " + std::to_string(1000 + i));
    }
    int count() const { return static_cast<int>(owned.size()); }

private:
    template <class C>
    C& own(std::unique_ptr<C> c) {
        C& ref = *c;
        owned.push_back(std::move(c));
        return ref;
    }
    std::vector<std::unique_ptr<forms::Control>> owned;
};

// The form shown and painted once, on a fake clock and a window system of its own.
struct Shown {
    base::FakeClock clock;
    base::ScopedClock useClock{clock};
    gui::WindowSystem ws;
    gui::ScopedWindowSystem use{ws};
    frmForty f;
    Shown() {
        forms::Load(f);
        f.Show();
        ws.doEvents();
    }
    ~Shown() {
        forms::Unload(f);
        forms::resetForms();
    }
};

void BM_FullRepaintOfAFormWithFortyControls(benchmark::State& state) {
    Shown s;
    gui::WindowSystem& ws = s.ws;
    frmForty& f = s.f;
    for (auto _ : state) {
        ws.invalidate(f.hWnd());
        ws.updateWindow(f.hWnd());
    }
    state.counters["controls"] = f.count();
}
BENCHMARK(BM_FullRepaintOfAFormWithFortyControls)->Unit(benchmark::kMicrosecond);

void BM_InputEventReachesItsControlsHandler(benchmark::State& state) {
    Shown s;
    gui::WindowSystem& ws = s.ws;
    auto* box = dynamic_cast<forms::CheckBox*>(s.f.findControl("Check3"));
    long reached = 0;
    box->MouseMove = [&](int, int, float, float) { ++reached; };
    const gui::Point a = ws.clientToScreen(box->hWnd(), {5, 5}), b = {a.x + 1, a.y};
    bool flip = false;
    for (auto _ : state) {
        ws.mouseMoveTo((flip = !flip) ? a : b);
        ws.doEvents();
    }
    if (reached != static_cast<long>(state.iterations())) state.SkipWithError("a move did not reach the handler");
}
BENCHMARK(BM_InputEventReachesItsControlsHandler)->Unit(benchmark::kMicrosecond);

}  // namespace
