#include "engine/logs.h"

#include <fstream>

#include "engine/main_window.h"
#include "platform/base/clock.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "platform/base/text.h"

namespace qv::engine {

namespace {

// A day's log file kept open while LogFilesHeld objects live.
struct HeldFile {
    std::string path;
    std::ofstream out;

    void close() {
        out.close();
        out.clear();
        path.clear();
    }
    // Opens path for appending unless it is open already; false when it cannot be.
    bool openFor(const std::string& wanted) {
        if (out.is_open() && path == wanted) return true;
        close();
        base::makeDir(base::inProgramFolder("Logs"));
        out.open(base::nativePath(wanted), std::ios::binary | std::ios::app);
        if (!out.is_open()) {
            close();
            return false;
        }
        path = wanted;
        return true;
    }
};

struct HeldFiles {
    int holders = 0;
    HeldFile security;
    HeldFile traffic;
};

HeldFiles& held() {
    static HeldFiles files;
    return files;
}

void writeLog(std::string_view prefix, std::string_view word, std::string_view text, HeldFile& file) {
    if (mainWindow().Check8() != 1) {
        base::makeDir(base::inProgramFolder("Logs"));
        return;
    }
    std::string path = base::inProgramFolder(std::string("Logs\\") + std::string(prefix) + DateStamp() + ".log");
    std::string line = LogLine(base::TimeNow(), word, text);
    if (held().holders == 0) {
        base::makeDir(base::inProgramFolder("Logs"));
        base::appendLine(path, line);
        return;
    }
    if (!file.openFor(path)) return;
    line += "\r\n";
    file.out.write(line.data(), static_cast<std::streamsize>(line.size()));
    file.out.flush();
    if (!file.out) file.close();  // the line is lost; the next one tries the file afresh
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

void LogSecurity(std::string_view severity, std::string_view text) {
    writeLog("security_", severity, text, held().security);
}
void LogTraffic(std::string_view type, std::string_view text) { writeLog("traffic_", type, text, held().traffic); }

LogFilesHeld::LogFilesHeld() { ++held().holders; }

LogFilesHeld::~LogFilesHeld() {
    if (--held().holders > 0) return;
    held().security.close();
    held().traffic.close();
}

}  // namespace qv::engine
