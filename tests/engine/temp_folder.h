#pragma once
// A fresh folder for one test, made the program folder while the object lives.
#include <filesystem>
#include <cstdlib>
#include <string>

#include "platform/base/program_folder.h"

namespace qv::engine::test {

class TempProgramFolder {
public:
    TempProgramFolder() : previous_(base::programFolder()) {
        std::string tmpl = (std::filesystem::temp_directory_path() / "qv-engine-XXXXXX").string();
        char* made = ::mkdtemp(tmpl.data());
        path_ = made ? made : tmpl;
        base::setProgramFolder(path_);
    }
    ~TempProgramFolder() {
        base::setProgramFolder(previous_);
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

private:
    std::string previous_;
    std::string path_;
};

}  // namespace qv::engine::test
