#include "platform/gui/event_log.h"

#include <iostream>

#include "platform/base/cp1252.h"

namespace qv::gui {

std::string eventLogLine(const LogEntry& entry) {
    std::string text = entry.text;
    for (char& c : text) {
        const char32_t u = base::cp1252CodePoint(static_cast<unsigned char>(c));
        if (u < 0x20 || (u >= 0x7F && u < 0xA0)) c = ' ';
    }
    const char* kind = entry.type == vbLogEventTypeError     ? "error"
                       : entry.type == vbLogEventTypeWarning ? "warning"
                                                             : "information";
    return std::string("quarvelin: ") + kind + ": " + base::cp1252ToUtf8(text);
}

void StreamEventLog::write(const LogEntry& entry) { out_ << eventLogLine(entry) << '\n' << std::flush; }

EventLog& eventLog() {
    static StreamEventLog standardError(std::cerr);
    return Service<EventLog>::get(standardError);
}

void LogEvent(std::string_view text, int type) { eventLog().write(LogEntry{std::string(text), type}); }

}  // namespace qv::gui
