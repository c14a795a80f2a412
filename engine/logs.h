#pragma once
// The daily security and traffic logs in the program's Logs folder. A line reads
// "[3:04:05 PM] word - text" and ends with CR LF; a new file begins each day.
#include <string>
#include <string_view>

namespace qv::engine {

// Today's short date with every "/" replaced by "_": "12_10_2026".
std::string DateStamp();
// "[" time "] " word " - " text, without the line end.
std::string LogLine(std::string_view time, std::string_view word, std::string_view text);
// The program folder's "Logs\security_<DateStamp>.log" and "Logs\traffic_<DateStamp>.log".
std::string SecurityLogPath();
std::string TrafficLogPath();

// Make the Logs folder, then append one line when "Enable firewall logging" is checked. Errors
// are passed over: a line that cannot be written is skipped.
void LogSecurity(std::string_view severity, std::string_view text);
void LogTraffic(std::string_view type, std::string_view text);

// While an object of this class lives, the day's log files stay open between lines instead of
// being opened and closed for each one. Every line is still written out at once, so a reader sees
// it; a new day's file is opened when the date changes. The poll pass holds one while it runs.
class LogFilesHeld {
public:
    LogFilesHeld();
    ~LogFilesHeld();
    LogFilesHeld(const LogFilesHeld&) = delete;
    LogFilesHeld& operator=(const LogFilesHeld&) = delete;
};

}  // namespace qv::engine
