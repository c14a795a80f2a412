#include "ui/main/log_views.h"

#include "engine/logs.h"
#include "platform/base/files.h"
#include "platform/forms/runtime.h"

namespace qv::ui {

std::optional<LogRow> SplitLogLine(std::string_view line) {
    // Positions as the program counts them, from 1; 0 for none.
    auto at = [&](std::string_view what) {
        const size_t p = line.find(what);
        return p == std::string_view::npos ? size_t(0) : p + 1;
    };
    const size_t p1 = at("]"), p2 = at(" -"), p3 = at("- ");
    if (p1 < 2 || p2 < p1 + 2) return std::nullopt;
    LogRow row;
    row.timeStamp = std::string(line.substr(1, p1 - 2));
    row.word = std::string(line.substr(p1 + 1, p2 - p1 - 2));
    // A line without "- " keeps all but its first character, as taking the text from
    // position 2 does.
    row.description = std::string(line.substr(p3 == 0 ? 1 : p3 + 1));
    return row;
}

int LoadLog(forms::ListView& list, const std::string& path) {
    const std::optional<std::string> text = base::readFile(path);
    if (!text) return 0;
    int added = 0;
    size_t at = 0;
    while (at < text->size()) {
        size_t end = text->find('\n', at);
        if (end == std::string::npos) end = text->size();
        std::string_view line(text->data() + at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        at = end + 1;
        const std::optional<LogRow> row = SplitLogLine(line);
        if (!row) break;
        forms::ListItem& item = list.ListItems().Add(-1, "", row->timeStamp);
        item.SubItems(1, row->word);
        item.SubItems(2, row->description);
        ++added;
        forms::DoEvents();
    }
    return added;
}

void LogSecurityx(forms::ListView& lvSec) { LoadLog(lvSec, engine::SecurityLogPath()); }
void LogTrafficx(forms::ListView& lvLog) { LoadLog(lvLog, engine::TrafficLogPath()); }

}  // namespace qv::ui
