#pragma once
// The rule store, the guard store and the filter file, which stay encrypted while the program
// does not run: Data\Firewall.exe, Data\Guard.exe and Conf\filter.exe, opened into
// Data\Firewall.qvl, Data\Guard.qvl and Conf\filter.ini while it runs.
#include <string>
#include <vector>

namespace qv::ui {

inline constexpr const char* kDataFileKey = "tolmek58";

// Decrypts each store in place. A store that exists but cannot be decrypted is not left where
// the next exit would write an empty store over it: it is renamed with ".bad" added, a
// security-log line says so, and one message box names every store set aside; the program goes
// on with that store empty. Returns the names given to the stores set aside.
std::vector<std::string> OpenStores();

// Encrypts the plain stores in place again. A store that is not there is passed over, and so is
// one whose sealed file is still there (it could be neither opened nor set aside).
void SealStores();

}  // namespace qv::ui
