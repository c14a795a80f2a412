#include "ui/main/port_log_file.h"

#include "platform/base/clock.h"
#include "platform/base/datetime.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"

namespace qv::ui {

std::string PortLogPath() { return base::inProgramFolder("Logs\\Port.Log"); }

bool portlog(const forms::ListView& lvwLog, std::string_view sessionStart) {
    const std::string path = PortLogPath();
    const std::string now = base::DateTimeText(base::Now());
    std::string rows;
    const forms::ListItemList& items = lvwLog.ListItems();
    for (int i = 1; i <= items.Count(); ++i) {
        const forms::ListItem& item = items(i);
        rows += item.Text();
        for (int s = 1; s <= 4; ++s) rows += " " + item.SubItems(s);
        rows += "\r\n";
    }
    const std::string session = "<Session :: Start: " + std::string(sessionStart) + " End: " + now + ">\r\n";
    std::string text;
    if (base::fileExists(path)) {
        const std::optional<std::string> old = base::readFile(path);
        if (!old) return false;
        text = *old + "\r\n" + session + rows + "\r\n";
    } else {
        text = "<<<New Log Started: " + now + ">>>\r\n"
               "[Host address/IP address], [Local Port], [Remote Port], [Connection Status]\r\n\r\n" +
               session + rows + "\r\n";
        base::makeDir(base::inProgramFolder("Logs"));
    }
    return base::writeFileAtomic(path, text);
}

}  // namespace qv::ui
