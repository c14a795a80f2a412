#pragma once
// What the engine and the cipher need of the forms runtime while the program runs, installed for
// the object's lifetime: the engine's message pump and message boxes, the cipher's message pump,
// the program's title on message boxes, and the orderly end's place in the message loop.
#include <memory>

namespace qv::ui {

class ProgramHooks {
public:
    ProgramHooks();
    ~ProgramHooks();
    ProgramHooks(const ProgramHooks&) = delete;
    ProgramHooks& operator=(const ProgramHooks&) = delete;

private:
    class Pump;
    class EndWatch;
    std::unique_ptr<Pump> pump_;
    std::unique_ptr<EndWatch> endWatch_;
};

}  // namespace qv::ui
