#include "platform/gui/event_log.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qv::gui::testing {
namespace {

TEST(EventLogTest, EntriesReachTheInstalledLog) {
    RecordingEventLog rec;
    ScopedEventLog use(rec);
    LogEvent("isButton.sc_Subclass: Invalid window handle", vbLogEventTypeError);
    LogEvent("started");
    EXPECT_EQ(rec.entries, (std::vector<LogEntry>{{"isButton.sc_Subclass: Invalid window handle", vbLogEventTypeError},
                                                  {"started", vbLogEventTypeInformation}}));
}

TEST(EventLogTest, EachEntryIsExactlyOneLineOfUtf8) {
    struct Case {
        LogEntry entry;
        std::string line;
    } cases[] = {
        {{"isButton.zMap_hWnd: Subclassing hasn't been started", vbLogEventTypeError},
         "quarvelin: error: isButton.zMap_hWnd: Subclassing hasn't been started"},
        {{"low disk", vbLogEventTypeWarning}, "quarvelin: warning: low disk"},
        {{"caf\xe9", vbLogEventTypeInformation}, "quarvelin: information: caf\xc3\xa9"},
        {{"two\r\nlines\tand \x1b[31m\x81", vbLogEventTypeError}, "quarvelin: error: two  lines and  [31m "},
    };
    std::ostringstream out;
    StreamEventLog log(out);
    std::string expected;
    for (const auto& c : cases) {
        EXPECT_EQ(eventLogLine(c.entry), c.line);
        log.write(c.entry);
        expected += c.line + "\n";
    }
    EXPECT_EQ(out.str(), expected);
}

}  // namespace
}  // namespace qv::gui::testing
