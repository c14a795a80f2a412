#include "platform/gui/program_start.h"

#include <unistd.h>

#include "platform/base/cp1252.h"
#include "platform/base/files.h"

namespace qv::gui {

int RecordingProgramStarter::start(std::string_view path, int /*show*/) {
    started.emplace_back(path);
    return result;
}

int SystemProgramStarter::start(std::string_view path, int /*show*/) {
    const std::string native = base::cp1252ToUtf8(base::nativePath(path));
    if (!base::fileExists(path) || native.front() != '/' || ::access(native.c_str(), X_OK) != 0)
        return 0;
    const auto pid = children_.start({native});
    return pid ? static_cast<int>(*pid) : 0;
}

ProgramStarter& programStarter() {
    static SystemProgramStarter system;
    return Service<ProgramStarter>::get(system);
}

int StartProgram(std::string_view path, int show) { return programStarter().start(path, show); }

}  // namespace qv::gui
