#include "platform/settings/config_folder.h"

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

#include "platform/base/files.h"

namespace qv::settings {

namespace {

std::optional<std::string>& overrideFolder() {
    static std::optional<std::string> folder;
    return folder;
}

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "/tmp";
}

}  // namespace

std::string configHome() {
    if (overrideFolder()) return *overrideFolder();
    // A relative $XDG_CONFIG_HOME is not valid and is passed over.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') return xdg;
    return base::joinPath(homeFolder(), ".config");
}

std::string programConfigFolder() { return base::joinPath(configHome(), "quarvelin"); }

std::string autostartFolder() { return base::joinPath(configHome(), "autostart"); }

void setConfigHome(std::optional<std::string> folder) { overrideFolder() = std::move(folder); }

ScopedConfigHome::ScopedConfigHome(std::string folder) : previous_(overrideFolder()) {
    setConfigHome(std::move(folder));
}

ScopedConfigHome::~ScopedConfigHome() { setConfigHome(previous_); }

}  // namespace qv::settings
