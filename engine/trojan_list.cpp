#include "engine/trojan_list.h"

#include "cipher/crypt_file.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"

namespace qv::engine {

std::string TrojanListPath() { return base::programFolder() + "\\Data\\trojan.exe"; }
std::string TrojanListPlainPath() { return base::programFolder() + "\\Data\\trojan.dat"; }

bool TrojanListHasPort(std::string_view listText, std::string_view port) {
    std::string_view rest = listText;
    while (!rest.empty()) {
        std::size_t eol = rest.find('\n');
        std::string_view line = rest.substr(0, eol);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::size_t mark = line.find('\x01');
        if (mark != std::string_view::npos && line.substr(0, mark) == port) return true;
        if (eol == std::string_view::npos) break;
        rest.remove_prefix(eol + 1);
    }
    return false;
}

bool IsTrojanPort(std::string_view port) {
    const std::string sealed = TrojanListPath();
    const std::string plain = TrojanListPlainPath();
    // The results are not checked: a missing sealed list leaves whatever plain list there is.
    cipher::CryptFile(sealed, sealed, kDataFileKey, "");
    bool listed = false;
    if (auto text = base::readFile(plain)) listed = TrojanListHasPort(*text, port);
    if (base::fileExists(plain)) cipher::CryptFile(plain, plain, kDataFileKey, "");
    return listed;
}

}  // namespace qv::engine
