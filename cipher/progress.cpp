#include "cipher/progress.h"

#include "cipher/ultra_state.h"
#include "platform/base/convert.h"

namespace qv::cipher {

namespace {
class SilentPump final : public ProgressPump {
public:
    void showProgress(float) override {}
    void pumpMessages() override {}
    void setBusyPointer(bool) override {}
};

SilentPump g_silent;
ProgressPump* g_pump = &g_silent;
}  // namespace

void SetProgressPump(ProgressPump* pump) { g_pump = pump ? pump : &g_silent; }

ProgressPump& CurrentProgressPump() { return *g_pump; }

void ShowProgress(float percent) {
    float p = percent >= 100.0f ? 100.0f : percent;
    g_pump->showProgress(p);
}

void PumpMessages() { g_pump->pumpMessages(); }

void ReportProgress(double value) {
    auto p = static_cast<int16_t>(base::roundHalfEven(value));
    if (p != ULTRA.LastPercent) {
        ULTRA.LastPercent = p;
        ShowProgress(p);
    }
}

double ProgressFraction(double i, double last) { return last > 0 ? i / last : 1.0; }

BusyPointer::BusyPointer() { g_pump->setBusyPointer(true); }
BusyPointer::~BusyPointer() { g_pump->setBusyPointer(false); }

}  // namespace qv::cipher
