#pragma once
// The trojan port list, Data\trojan.exe: encrypted at rest with the data-file key. A lookup
// deciphers it in memory, so the list never lies on disk in plain and no lookup rewrites it; only
// a list that is not sealed (a plain Data\trojan.dat, say) is read from its plain file and sealed
// afterwards. Each line is a port, a code-1 character and a description; only the part before the
// code-1 character counts.
#include <string>
#include <string_view>

namespace qv::engine {

// The key of the data files at rest.
inline constexpr std::string_view kDataFileKey = "tolmek58";

// The program folder's "\Data\trojan.exe" and "\Data\trojan.dat".
std::string TrojanListPath();
std::string TrojanListPlainPath();

// True when a line's port part equals port exactly.
bool TrojanListHasPort(std::string_view listText, std::string_view port);

// Looks port up in the list; afterwards the list is encrypted, whether or not the port was on it.
// A list that cannot be read counts as not listing the port.
bool IsTrojanPort(std::string_view port);

}  // namespace qv::engine
