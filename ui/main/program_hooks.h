#pragma once
// What the engine and the cipher need of the forms runtime while the program runs, installed for
// the object's lifetime: the engine's message pump and message boxes, the cipher's progress
// display, the program's title on message boxes, and the one orderly end for every window that
// ends the program.
#include <memory>

namespace qv::cipher {
class ProgressPump;
}

namespace qv::ui {

class ProgramHooks {
public:
    // progress: what every cipher run draws its progress on; nullptr: a pump that only lets
    // pending window messages run.
    explicit ProgramHooks(cipher::ProgressPump* progress = nullptr);
    ~ProgramHooks();
    ProgramHooks(const ProgramHooks&) = delete;
    ProgramHooks& operator=(const ProgramHooks&) = delete;

private:
    class Pump;
    std::unique_ptr<Pump> pump_;
};

}  // namespace qv::ui
