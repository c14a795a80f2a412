#pragma once
// The test tray host (tray_host_main.cpp) as a child process, and what it says it did.
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace qv::present::x11::testing {

class TrayHost {
public:
    TrayHost();  // starts it; running() says whether it owns the tray by now
    ~TrayHost();  // ends it
    TrayHost(const TrayHost&) = delete;
    TrayHost& operator=(const TrayHost&) = delete;

    // Waits for the line "<word> <window>" while `pump` runs the program's loop; two seconds.
    bool waitFor(const std::string& word, unsigned long window, const std::function<void()>& pump);
    unsigned long tray() const { return tray_; }
    bool running() const { return tray_ != 0; }

private:
    void read();
    pid_t pid_ = -1;
    int out_ = -1;
    std::string pending_;
    std::vector<std::string> lines_;
    unsigned long tray_ = 0;
};

}  // namespace qv::present::x11::testing
