#include "platform/settings/profile.h"

#include <vector>

#include "platform/base/file_lock.h"
#include "platform/base/files.h"
#include "platform/settings/ini_document.h"

namespace qv::settings {

namespace {

long giveText(std::string_view text, std::string& out, std::size_t size) {
    out.assign(text.substr(0, size == 0 ? 0 : size - 1));
    return static_cast<long>(out.size());
}

// A stored value in matching quotes, single or double, is given without them.
std::string_view unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The default is given without its trailing spaces.
std::string_view withoutTrailingSpaces(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// Names each followed by a NUL; cut to size - 2 when the list and its final NUL do not fit.
long giveList(const std::vector<std::string>& names, std::string& out, std::size_t size) {
    std::string list;
    for (const auto& n : names) {
        list += n;
        list += '\0';
    }
    if (list.size() + 1 > size) list.resize(size >= 2 ? size - 2 : 0);
    out = std::move(list);
    return static_cast<long>(out.size());
}

bool hasAny(std::string_view s, std::string_view chars) { return s.find_first_of(chars) != std::string_view::npos; }

bool storableName(std::string_view name) {
    using namespace std::string_view_literals;
    return !hasAny(name, "\r\n\0"sv) && trimBlanks(name) == name;
}

bool storable(std::string_view section, std::optional<std::string_view> key, std::string_view value) {
    using namespace std::string_view_literals;
    if (!storableName(section) || hasAny(section, "]")) return false;
    if (!key) return true;
    if (!storableName(*key) || hasAny(*key, "=")) return false;
    if (!key->empty() && (key->front() == '[' || key->front() == ';')) return false;
    return !hasAny(value, "\r\n\0"sv);
}

}  // namespace

long GetPrivateProfileString(std::optional<std::string_view> section, std::optional<std::string_view> key,
                             std::string_view defaultText, std::string& out, std::size_t size,
                             std::string_view path) {
    defaultText = withoutTrailingSpaces(defaultText);
    auto text = base::readFile(path);
    if (!section) {
        if (!text) return giveList({}, out, size);
        return giveList(IniDocument(*text).sections(), out, size);
    }
    if (!text) return giveText(defaultText, out, size);
    IniDocument doc(*text);
    if (!key) {
        auto names = doc.keys(*section);
        if (!names || names->empty()) return giveText(defaultText, out, size);
        return giveList(*names, out, size);
    }
    auto v = doc.value(*section, *key);
    return giveText(v ? unquoted(*v) : defaultText, out, size);
}

long WritePrivateProfileString(std::string_view section, std::optional<std::string_view> key,
                               std::string_view value, std::string_view path) {
    if (!storable(section, key, value)) return 0;
    if (!key && !base::pathExists(path)) {
        // Nothing to remove; succeed only where the file could have been written.
        std::string native = base::nativePath(path);
        std::string folder = base::folderOf(native);
        if (folder.empty()) folder = !native.empty() && native.front() == '/' ? "/" : ".";
        return base::dirExists(folder) ? 1 : 0;
    }
    // Held from the read to the rename, so a writer in another process waits and then reads
    // what this one wrote.
    const base::FileLock lock(path);
    if (!lock.held()) return 0;  // no folder, or there but unreadable: never write over it
    const auto text = base::readFile(path);
    if (!text) return 0;
    IniDocument doc(*text);
    if (key) {
        doc.setValue(section, *key, value);
    } else if (!doc.removeSection(section)) {
        return 1;  // no such section: the file stays untouched
    }
    return base::writeFileAtomic(path, doc.text()) ? 1 : 0;
}

}  // namespace qv::settings
