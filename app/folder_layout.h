#pragma once
// The program folder as the build lays it out beside the executable from the repository's
// assets: the program's own files (window designs and pictures, sounds, the help page) are
// brought up to date at every build; the user's files (the options file, the guard store and
// the trojan list) are only put in place while the folder has none, so a build never overwrites
// what the program or its user changed. The guard store ships encrypted, as the program keeps it
// between runs; Logs and Updates are made empty.
#include <string>
#include <vector>

namespace qv::app {

// Lays out programFolder from assetsFolder; returns what it could not do (empty: all done).
std::vector<std::string> layOutProgramFolder(const std::string& assetsFolder, const std::string& programFolder);

}  // namespace qv::app
