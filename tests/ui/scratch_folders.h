#pragma once
// A fresh program folder (with Conf and Data) and a fresh per-user configuration folder for the
// running test, in place while the object lives; both are removed afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include <unistd.h>

#include "platform/base/program_folder.h"
#include "platform/settings/config_folder.h"

namespace qv::ui::testing {

class ScratchFolders {
public:
    // prefix names the folder below the temporary folder, with the process id and the test.
    explicit ScratchFolders(const std::string& prefix)
        : root_(std::filesystem::temp_directory_path() / (prefix + std::to_string(::getpid()) + "_" + testName())),
          previousFolder_(base::programFolder()) {
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "program" / "Conf");
        std::filesystem::create_directories(root_ / "program" / "Data");
        std::filesystem::create_directories(root_ / "config");
        base::setProgramFolder((root_ / "program").string());
        configHome_.emplace((root_ / "config").string());
    }
    ~ScratchFolders() {
        configHome_.reset();
        base::setProgramFolder(previousFolder_);
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    ScratchFolders(const ScratchFolders&) = delete;
    ScratchFolders& operator=(const ScratchFolders&) = delete;

    // The folder that holds "program" and "config".
    const std::filesystem::path& root() const { return root_; }

private:
    static std::string testName() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        return std::string(info->test_suite_name()) + "_" + info->name();
    }

    std::filesystem::path root_;
    std::string previousFolder_;
    std::optional<settings::ScopedConfigHome> configHome_;
};

}  // namespace qv::ui::testing
