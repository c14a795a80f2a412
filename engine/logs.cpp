#include "engine/logs.h"

#include "engine/main_window.h"
#include "platform/base/clock.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "platform/base/text.h"

namespace qv::engine {

namespace {

void writeLog(std::string_view prefix, std::string_view word, std::string_view text) {
    base::makeDir(base::inProgramFolder("Logs"));
    if (mainWindow().Check8() != 1) return;
    std::string path = base::inProgramFolder(std::string("Logs\\") + std::string(prefix) + DateStamp() + ".log");
    base::appendLine(path, LogLine(base::TimeNow(), word, text));
}

}  // namespace

std::string DateStamp() { return base::Replace(base::DateNow(), "/", "_"); }

std::string LogLine(std::string_view time, std::string_view word, std::string_view text) {
    std::string line;
    line.reserve(time.size() + word.size() + text.size() + 6);
    line += '[';
    line += time;
    line += "] ";
    line += word;
    line += " - ";
    line += text;
    return line;
}

std::string SecurityLogPath() { return base::inProgramFolder("Logs\\security_" + DateStamp() + ".log"); }
std::string TrafficLogPath() { return base::inProgramFolder("Logs\\traffic_" + DateStamp() + ".log"); }

void LogSecurity(std::string_view severity, std::string_view text) { writeLog("security_", severity, text); }
void LogTraffic(std::string_view type, std::string_view text) { writeLog("traffic_", type, text); }

}  // namespace qv::engine
