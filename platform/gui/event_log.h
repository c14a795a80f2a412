#pragma once
// The application event log. The log in use is the installed one (a test installs a
// RecordingEventLog with ScopedEventLog); the standard one writes each entry as one line on
// standard error.
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gui/service.h"

namespace qv::gui {

inline constexpr int vbLogEventTypeError = 1;
inline constexpr int vbLogEventTypeWarning = 2;
inline constexpr int vbLogEventTypeInformation = 4;

struct LogEntry {
    std::string text;  // Windows-1252
    int type = vbLogEventTypeInformation;
    bool operator==(const LogEntry&) const = default;
};

class EventLog {
public:
    virtual ~EventLog() = default;
    virtual void write(const LogEntry& entry) = 0;
};

class RecordingEventLog : public EventLog {
public:
    std::vector<LogEntry> entries;
    void write(const LogEntry& entry) override { entries.push_back(entry); }
};

// "quarvelin: error: " (or "warning: ", "information: ") and the text in UTF-8, with every
// control character shown as a space, so an entry is always exactly one line.
std::string eventLogLine(const LogEntry& entry);

class StreamEventLog : public EventLog {
public:
    explicit StreamEventLog(std::ostream& out) : out_(out) {}
    void write(const LogEntry& entry) override;

private:
    std::ostream& out_;
};

EventLog& eventLog();
using ScopedEventLog = ScopedService<EventLog>;

// Writes one entry to the application event log.
void LogEvent(std::string_view text, int type = vbLogEventTypeInformation);

}  // namespace qv::gui
