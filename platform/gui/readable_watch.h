#pragma once
// A descriptor the message loop watches for reading while the object lives: whenever it is
// readable (or closed at the other end), the handler runs on the loop's thread.
#include <functional>

namespace qv::gui {

class WindowSystem;

class ReadableWatch {
public:
    // A descriptor below 0 is not watched.
    ReadableWatch(int fd, std::function<void()> ready);
    ~ReadableWatch();
    ReadableWatch(const ReadableWatch&) = delete;
    ReadableWatch& operator=(const ReadableWatch&) = delete;

    bool watching() const { return id_ != 0; }

private:
    WindowSystem* ws_ = nullptr;  // whose loop watches it
    int id_ = 0;
};

}  // namespace qv::gui
