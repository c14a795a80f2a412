#include "ui/main/store_files.h"

#include "cipher/crypt_file.h"
#include "cipher/ultra_state.h"
#include "engine/logs.h"
#include "platform/base/clock.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "platform/forms/msgbox.h"

namespace qv::ui {

namespace {

struct Store {
    const char* sealed;  // relative to the program folder
    const char* plain;
};
constexpr Store kStores[] = {
    {"\\Data\\Firewall.exe", "\\Data\\Firewall.qvl"},
    {"\\Data\\Guard.exe", "\\Data\\Guard.qvl"},
    {"\\Conf\\filter.exe", "\\Conf\\filter.ini"},
};

std::string crypt(const std::string& path) {
    return cipher::CryptFile(path, path, kDataFileKey, "");
}

// A free name beside the store: ".bad" added, or ".2.bad", ".3.bad"... when that is taken, so
// a store set aside earlier is never overwritten.
std::string setAsideName(const std::string& path) {
    std::string name = path + ".bad";
    for (int n = 2; base::pathExists(name); ++n) name = path + "." + std::to_string(n) + ".bad";
    return name;
}

// Written whatever the logging option says: it records where the user's data went.
void logSetAside(const std::string& shown, const std::string& asideShown, const std::string& reason) {
    base::makeDir(base::inProgramFolder("Logs"));
    base::appendLine(engine::SecurityLogPath(),
                     engine::LogLine(base::TimeNow(), "High",
                                     shown + " could not be decrypted (" + reason + ") and was set aside as " +
                                         asideShown + "; the program goes on without it."));
}

}  // namespace

std::vector<std::string> OpenStores() {
    const std::string folder = base::programFolder();
    std::vector<std::string> setAside;
    std::string listed;
    for (const Store& s : kStores) {
        const std::string path = folder + s.sealed;
        crypt(path);
        const int code = cipher::ULTRA.ErrorCode;
        if (code == cipher::kErrNone || code == cipher::kErrSourceMissing) continue;
        const std::string aside = setAsideName(base::nativePath(path));
        if (!base::renameFile(base::nativePath(path), aside)) continue;
        const std::string shown = std::string(s.sealed + 1);
        const std::string asideShown = shown + aside.substr(base::nativePath(path).size());
        logSetAside(shown, asideShown, cipher::ULTRA.ErrorText);
        setAside.push_back(aside);
        listed += "\r\n" + shown + " -> " + asideShown;
    }
    if (!setAside.empty()) {
        forms::MsgBox("These stores could not be decrypted and were set aside; the program goes on with them "
                      "empty:" + listed,
                      forms::vbExclamation);
    }
    return setAside;
}

void SealStores() {
    const std::string folder = base::programFolder();
    for (const Store& s : kStores) {
        const std::string path = folder + s.plain;
        // A sealed file still in place is one that could neither be opened nor set aside: it is
        // never written over, and the plain store stays as it is.
        if (base::fileExists(base::nativePath(folder + s.sealed))) continue;
        if (base::fileExists(base::nativePath(path))) crypt(path);
    }
}

}  // namespace qv::ui
