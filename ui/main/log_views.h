#pragma once
// The main window's views of today's security and traffic logs: each line of the day's file
// becomes one row, "[time] word - text" split into the time stamp, the severity or type, and the
// description; pending events run after every row. The window calls them at load:
//
//   LogTrafficx(lvLog);   // after preparing Picture2 and DrawPercentBar
//   LogSecurityx(lvSec);
#include <optional>
#include <string>
#include <string_view>

#include "platform/forms/common/list_view.h"

namespace qv::ui {

struct LogRow {
    std::string timeStamp;    // between "[" and the first "]"
    std::string word;         // between "] " and the first " -"
    std::string description;  // everything after the first "- "
    bool operator==(const LogRow&) const = default;
};

// One line split as the views split it; nullopt for a line that has no "]" (or nothing before
// it), or whose first " -" does not come after "] ", which ends the load there.
std::optional<LogRow> SplitLogLine(std::string_view line);

// Appends the rows of a log file to a list (not cleared first), in file order, up to the first
// line that does not split; a missing file adds nothing. Returns the rows added.
int LoadLog(forms::ListView& list, const std::string& path);

void LogSecurityx(forms::ListView& lvSec);
void LogTrafficx(forms::ListView& lvLog);

}  // namespace qv::ui
