#pragma once
// A temporary folder that stands in for the user's configuration folder during one test.
#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "platform/settings/config_folder.h"
#include "temp_folder.h"

namespace qv::settings::testing {

class ConfigTest : public TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        config_.emplace(dir_.string());
    }
    void TearDown() override {
        config_.reset();
        TempFolderTest::TearDown();
    }
    // Every file below the folder, relative to it.
    std::set<std::string> files() const {
        std::set<std::string> out;
        for (const auto& e : std::filesystem::recursive_directory_iterator(dir_)) {
            if (e.is_regular_file()) out.insert(std::filesystem::relative(e.path(), dir_).string());
        }
        return out;
    }

    std::optional<ScopedConfigHome> config_;
};

}  // namespace qv::settings::testing
