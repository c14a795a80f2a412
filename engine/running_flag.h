#pragma once
// A flag set while an object of this class lives: a pass marks itself running, so a window event
// that asks for the pass while it runs can be told apart.
namespace qv::engine {

class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& flag_;
};

}  // namespace qv::engine
