#include "engine/user_settings.h"

#include <utility>

namespace qv::engine {

namespace {
SaveSettingHandler& handler() {
    static SaveSettingHandler h;
    return h;
}
}  // namespace

void setSaveSettingHandler(SaveSettingHandler h) { handler() = std::move(h); }

void SaveSetting(std::string_view app, std::string_view section, std::string_view key, std::string_view value) {
    if (SaveSettingHandler h = handler()) h(app, section, key, value);
}

}  // namespace qv::engine
