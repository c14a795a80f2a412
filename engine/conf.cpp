#include "engine/conf.h"

#include <algorithm>

#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "platform/settings/profile.h"

namespace qv::engine {

namespace {
std::string confPath(std::string_view file) { return base::programFolder() + "\\Conf\\" + std::string(file); }
}  // namespace

std::string ReadConf(std::string_view section, std::string_view key, std::string_view file) {
    std::string out = ReadConfValue(section, key, file);
    return out.empty() ? std::string("Empty...") : out;
}

std::string ReadConfValue(std::string_view section, std::string_view key, std::string_view file) {
    std::string out;
    settings::GetPrivateProfileString(section, key, "", out, 255, confPath(file));
    return out;
}

int ConfKeyCount(std::string_view section, std::string_view file) {
    const std::string path = confPath(file);
    auto length = base::fileLength(path);
    if (!length) return 0;
    // Room for every name of the file with its terminating code 0, and the list's own.
    std::string names;
    settings::GetPrivateProfileString(section, std::nullopt, "", names, static_cast<std::size_t>(*length) + 2, path);
    return static_cast<int>(std::count(names.begin(), names.end(), '\0'));
}

bool FileExists(std::string_view path) { return !path.empty() && base::fileExists(path); }

}  // namespace qv::engine
