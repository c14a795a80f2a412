#include "engine/trojan_list.h"

#include <optional>
#include <utility>

#include "cipher/cipher_file.h"
#include "cipher/crypt_file.h"
#include "cipher/progress.h"
#include "cipher/ultra_state.h"
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

namespace {

// The sealed list's plain text, deciphered in memory; nothing when there is no sealed list, it
// cannot be deciphered, or another cipher operation runs (a window event reached through a
// pump): the lookup then takes the way through the plain file.
std::optional<std::string> unsealed(const std::string& sealed) {
    auto file = base::readFile(sealed);
    if (!file || !cipher::HasCipherFileMarker(*file)) return std::nullopt;
    cipher::OperationGuard guard;
    if (!guard.acquired()) return std::nullopt;
    cipher::ULTRA.AbortRequested = false;
    cipher::CipherFileResult plain = cipher::DecodeCipherFile(*file, kDataFileKey, "");
    cipher::ShowProgress(0);
    if (plain.code != 0) return std::nullopt;
    return std::move(plain.data);
}

}  // namespace

bool IsTrojanPort(std::string_view port) {
    const std::string sealed = TrojanListPath();
    if (auto text = unsealed(sealed)) return TrojanListHasPort(*text, port);
    const std::string plain = TrojanListPlainPath();
    // The results are not checked: a missing sealed list leaves whatever plain list there is.
    cipher::CryptFile(sealed, sealed, kDataFileKey, "");
    bool listed = false;
    if (auto text = base::readFile(plain)) listed = TrojanListHasPort(*text, port);
    if (base::fileExists(plain)) cipher::CryptFile(plain, plain, kDataFileKey, "");
    return listed;
}

}  // namespace qv::engine
