#include "app/folder_layout.h"

#include <filesystem>
#include <system_error>

#include "cipher/crypt_file.h"
#include "cipher/ultra_state.h"
#include "platform/base/files.h"

namespace qv::app {

namespace fs = std::filesystem;

namespace {

constexpr const char* kDataFileKey = "tolmek58";

bool sameContent(const fs::path& a, const fs::path& b) {
    auto x = base::readFile(a.string());
    auto y = base::readFile(b.string());
    return x && y && *x == *y;
}

// The program's own files: replaced when they differ.
void refresh(const fs::path& from, const fs::path& to, std::vector<std::string>& problems) {
    std::error_code ec;
    if (!fs::exists(from, ec)) return;
    for (auto it = fs::recursive_directory_iterator(from, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (!it->is_regular_file()) continue;
        const fs::path target = to / fs::relative(it->path(), from);
        if (fs::exists(target) && sameContent(it->path(), target)) continue;
        fs::create_directories(target.parent_path(), ec);
        auto bytes = base::readFile(it->path().string());
        if (!bytes || !base::writeFileAtomic(target.string(), *bytes)) problems.push_back("cannot write " + target.string());
    }
}

bool anyExists(const fs::path& folder, std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (fs::exists(folder / n)) return true;
    return false;
}

// A user's file: put in place only while neither it nor the forms the program turns it into
// are there.
void provide(const fs::path& from, const fs::path& to, std::initializer_list<const char*> forms,
             std::vector<std::string>& problems) {
    if (fs::exists(to) || anyExists(to.parent_path(), forms)) return;
    std::error_code ec;
    fs::create_directories(to.parent_path(), ec);
    auto bytes = base::readFile(from.string());
    if (!bytes || !base::writeFileAtomic(to.string(), *bytes)) problems.push_back("cannot write " + to.string());
}

// A store the program keeps sealed at rest: put in place sealed, only while neither its sealed
// nor its plain form is there.
void provideSealed(const fs::path& from, const fs::path& plain, const char* sealedName, std::vector<std::string>& problems) {
    if (fs::exists(plain) || fs::exists(plain.parent_path() / sealedName)) return;
    provide(from, plain, {}, problems);
    if (!fs::exists(plain)) return;
    cipher::CryptFile(plain.string(), plain.string(), kDataFileKey, "");
    if (cipher::ULTRA.ErrorCode != 0) problems.push_back("cannot encrypt " + plain.string() + ": " + cipher::ULTRA.ErrorText);
}

}  // namespace

std::vector<std::string> layOutProgramFolder(const std::string& assetsFolder, const std::string& programFolder) {
    std::vector<std::string> problems;
    const fs::path assets(assetsFolder), folder(programFolder);
    std::error_code ec;
    for (const char* sub : {"Conf", "Data", "Logs", "Sounds", "Doc", "Updates", "Forms"})
        fs::create_directories(folder / sub, ec);
    refresh(assets / "Forms", folder / "Forms", problems);
    refresh(assets / "Sounds", folder / "Sounds", problems);
    refresh(assets / "Doc", folder / "Doc", problems);
    provide(assets / "Conf" / "config.ini", folder / "Conf" / "config.ini", {}, problems);
    provide(assets / "Data" / "trojan.exe", folder / "Data" / "trojan.exe", {"trojan.dat"}, problems);
    provideSealed(assets / "Data" / "Guard.qvl", folder / "Data" / "Guard.qvl", "Guard.exe", problems);
    // Filtering on, every list active, blocked connections in the port log: the filter lists act
    // as soon as the user adds an entry.
    provideSealed(assets / "Conf" / "filter.ini", folder / "Conf" / "filter.ini", "filter.exe", problems);
    return problems;
}

}  // namespace qv::app
