#include "platform/settings/autostart.h"

#include <algorithm>

#include "platform/base/cp1252.h"
#include "platform/base/files.h"
#include "platform/base/text.h"
#include "platform/settings/config_folder.h"

namespace qv::settings {

namespace {

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

bool hasControl(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return isControl(static_cast<unsigned char>(c)); });
}

bool endsWithNoCase(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && base::equalsNoCase(s.substr(s.size() - suffix.size()), suffix);
}

// A string value of a desktop entry: backslashes doubled (control characters never get here).
std::string entryString(std::string_view s) { return base::Replace(s, "\\", "\\\\"); }

}  // namespace

std::optional<std::string> autostartFileName(std::string_view valueName) {
    if (valueName.empty() || valueName == "." || valueName == ".." || hasControl(valueName) ||
        valueName.find_first_of("/\\") != std::string_view::npos)
        return std::nullopt;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name = "quarvelin-";
    for (char ch : base::LCase(valueName)) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-') {
            name += ch;
        } else {
            name += '_';
            name += kHex[c >> 4];
            name += kHex[c & 15];
        }
    }
    name += ".desktop";
    if (name.size() > 255) return std::nullopt;  // longer than a file name may be
    return name;
}

std::optional<std::string> autostartExec(std::string_view program) {
    while (!program.empty() && program.back() == '\0') program.remove_suffix(1);
    // The path is the executable's own, in the file system's UTF-8, and goes into the entry as
    // it is; an entry can only hold UTF-8.
    if (program.empty() || hasControl(program) || !base::isValidUtf8(program)) return std::nullopt;
    std::string path(program);
    if (endsWithNoCase(path, ".exe") && !base::fileExists(path)) {
        std::string bare = path.substr(0, path.size() - 4);
        if (base::fileExists(bare)) path = std::move(bare);
    }
    // One quoted argument: ", `, $ and \ take a backslash; % is doubled as it starts field codes.
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';
        quoted += c;
    }
    quoted += '"';
    return entryString(quoted);
}

std::string autostartEntry(std::string_view valueName, std::string_view exec) {
    return "[Desktop Entry]\nType=Application\nName=" + entryString(base::cp1252ToUtf8(valueName)) +
           "\nExec=" + std::string(exec) + "\n";
}

bool writeAutostartEntry(std::string_view valueName, std::string_view program) {
    const auto file = autostartFileName(valueName);
    const auto exec = autostartExec(program);
    if (!file || !exec) return false;
    const std::string folder = autostartFolder();
    if (!base::dirExists(folder) && !base::makeDirs(folder)) return false;
    return base::writeFileAtomic(base::joinPath(folder, *file), autostartEntry(valueName, *exec));
}

bool removeAutostartEntry(std::string_view valueName) {
    const auto file = autostartFileName(valueName);
    if (!file) return false;
    const std::string path = base::joinPath(autostartFolder(), *file);
    return !base::fileExists(path) || base::removeFile(path);
}

}  // namespace qv::settings
