#pragma once
// The program's own version number, and the text the about box shows for a version.
#include <string>

namespace qv::ui {

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

inline constexpr ProgramVersion kProgramVersion{1, 3, 0};

// "Version 1.2.30": each part as a plain decimal number.
inline std::string VersionText(const ProgramVersion& v) {
    return "Version " + std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.revision);
}

}  // namespace qv::ui
