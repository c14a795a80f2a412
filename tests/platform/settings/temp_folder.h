#pragma once
// A fresh folder under the system's temporary folder for one test, removed afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "platform/base/files.h"

namespace qv::settings::testing {

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("qv_settings_") + info->test_suite_name() + "_" + info->name() + "_" +
                std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        base::setAtomicWriteHook(nullptr);
        std::filesystem::remove_all(dir_);
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::string read(const std::string& name) const { return base::readFile(path(name)).value_or("<missing>"); }
    void write(const std::string& name, const std::string& data) const {
        ASSERT_TRUE(base::writeFileAtomic(path(name), data));
    }

    std::filesystem::path dir_;
};

}  // namespace qv::settings::testing
