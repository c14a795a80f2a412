#pragma once
// A fresh folder for one test, removed afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

namespace qv::gui::testing {

class TempDir {
public:
    TempDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                (std::string("qv_gui_") + info->test_suite_name() + "_" + info->name() + "_" +
                 std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    std::string str() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

}  // namespace qv::gui::testing
