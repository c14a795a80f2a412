#pragma once
// Where the per-user settings live: the user's configuration folder ($XDG_CONFIG_HOME when it
// names an absolute folder, else ~/.config). The program keeps its own files in "quarvelin"
// below it; desktop autostart entries go to "autostart" below it.
#include <optional>
#include <string>

namespace qv::settings {

// The user's configuration folder, or the one set with setConfigHome.
std::string configHome();
// configHome() & "/quarvelin".
std::string programConfigFolder();
// configHome() & "/autostart".
std::string autostartFolder();

// Points every per-user setting at another folder (tests use a temporary one); nullopt goes
// back to the user's own.
void setConfigHome(std::optional<std::string> folder);

// Sets the configuration folder for the object's lifetime and restores the previous choice.
class ScopedConfigHome {
public:
    explicit ScopedConfigHome(std::string folder);
    ~ScopedConfigHome();
    ScopedConfigHome(const ScopedConfigHome&) = delete;
    ScopedConfigHome& operator=(const ScopedConfigHome&) = delete;

private:
    std::optional<std::string> previous_;
};

}  // namespace qv::settings
