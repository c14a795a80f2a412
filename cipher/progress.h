#pragma once
// The progress-and-pump interface of the cipher's long loops. The encryption tool window plugs
// in here to draw its progress bar, run pending window messages (so its Cancel buttons can set
// AbortRequested) and show a busy pointer; without one a sink that does nothing serves.
namespace qv::cipher {

class ProgressPump {
public:
    virtual ~ProgressPump() = default;
    // Draws the bar up to percent (0 < percent <= 100) or clears it (percent 0).
    virtual void showProgress(float percent) = 0;
    // Lets pending window messages run.
    virtual void pumpMessages() = 0;
    // Shows or restores the busy pointer.
    virtual void setBusyPointer(bool busy) = 0;
};

// Installs the sink used by every cipher run; nullptr restores the one that does nothing. The
// sink is not owned and must outlive its use.
void SetProgressPump(ProgressPump* pump);
ProgressPump& CurrentProgressPump();

// Draws percent on the progress sink: values of 100 and more draw a full bar, 0 clears it.
void ShowProgress(float percent);

// Lets window messages run through the sink.
void PumpMessages();

// Rounds value half to even; when the result differs from LastPercent it becomes LastPercent
// and is drawn.
void ReportProgress(double value);

// fraction(i, last) = i / last, and 1 for a range of a single index (last 0), so one-byte
// buffers get a percentage instead of a division by zero.
double ProgressFraction(double i, double last);

// Busy pointer for the lifetime of the object.
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace qv::cipher
