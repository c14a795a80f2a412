#include "engine/block_all_notice.h"

#include "engine/main_window.h"

namespace qv::engine {

std::string BlockAllNoticeLoad() {
    std::string kept = mainWindow().TrayTip();
    mainWindow().setTrayTip(kBlockAllTip);
    return kept;
}

void BlockAllNoticeUnload(std::string_view keptTip) { mainWindow().setTrayTip(keptTip); }

}  // namespace qv::engine
