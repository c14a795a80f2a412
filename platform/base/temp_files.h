#pragma once
// The temporary files that atomic writes fill before renaming them into place. Each is hidden
// beside its target and named so that it is known again: "." + the target's name + ".qvtmp" +
// 16 random hex digits. Its writer holds a lock on it from the moment it exists, so one whose
// lock is free was left behind by a writer that died, and the next write to the folder removes
// it.
#include <string>
#include <string_view>

namespace qv::base {

struct TempFile {
    int fd = -1;       // open for writing and locked; -1 when none could be made
    std::string path;
};

// A new temporary file in folder for the target named name. A name already taken, or a file
// that a cleanup removed before it was locked, is passed over for a fresh one.
TempFile createTempBeside(const std::string& folder, std::string_view name);

// Removes the temporary files in folder whose writers are gone: ours with a free lock, and
// those of the earlier form ".name.tmp<digits>_<digits>" (never locked) once they are ten
// minutes old.
void removeLeftoverTemps(const std::string& folder);

// Whether a file name has the form of our temporary files (current or earlier).
bool isTempFileName(std::string_view name);

}  // namespace qv::base
