#include "engine/conf.h"

#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "platform/settings/profile.h"

namespace qv::engine {

std::string ReadConf(std::string_view section, std::string_view key, std::string_view file) {
    std::string out;
    settings::GetPrivateProfileString(section, key, "", out, 255,
                                      base::programFolder() + "\\Conf\\" + std::string(file));
    return out.empty() ? std::string("Empty...") : out;
}

bool FileExists(std::string_view path) { return !path.empty() && base::fileExists(path); }

}  // namespace qv::engine
