// The program folder the build lays out beside the executable.
#include "app/folder_layout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cipher/crypt_file.h"
#include "platform/base/files.h"

namespace qv::app {
namespace {

namespace fs = std::filesystem;

std::string read(const fs::path& p) { return base::readFile(p.string()).value_or("<missing>"); }

class FolderLayout : public ::testing::Test {
protected:
    FolderLayout() { fs::remove_all(folder_); }
    ~FolderLayout() override {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    const fs::path assets_ = QV_SOURCE_DIR "/assets";
    const fs::path folder_ = fs::temp_directory_path() / ("qv_layout_" + std::to_string(::getpid()));
};

TEST_F(FolderLayout, ANewFolderHasWhatAFirstStartNeeds) {
    ASSERT_TRUE(layOutProgramFolder(assets_.string(), folder_.string()).empty());
    for (const char* sub : {"Conf", "Data", "Logs", "Sounds", "Doc", "Updates", "Forms"})
        EXPECT_TRUE(fs::is_directory(folder_ / sub)) << sub;
    EXPECT_EQ(read(folder_ / "Conf/config.ini"), read(assets_ / "Conf/config.ini"));
    EXPECT_EQ(read(folder_ / "Data/trojan.exe"), read(assets_ / "Data/trojan.exe"));
    EXPECT_EQ(read(folder_ / "Sounds/alert.wav"), read(assets_ / "Sounds/alert.wav"));
    EXPECT_EQ(read(folder_ / "Doc/documentation.htm"), read(assets_ / "Doc/documentation.htm"));
    EXPECT_EQ(read(folder_ / "Forms/shapes/splash.bmp"), read(assets_ / "Forms/shapes/splash.bmp"));
    // The guard store and the filter file ship sealed, as the program keeps them between runs.
    for (const char* store : {"Data/Guard", "Conf/filter"}) {
        SCOPED_TRACE(store);
        const fs::path plain = folder_ / (std::string(store) + (store[0] == 'D' ? ".qvl" : ".ini"));
        EXPECT_FALSE(fs::exists(plain));
        const std::string sealed = (folder_ / (std::string(store) + ".exe")).string();
        ASSERT_EQ(cipher::DetectFileType(sealed), 1);
        cipher::CryptFile(sealed, sealed, "tolmek58", "");
        EXPECT_EQ(read(plain), read(assets_ / fs::relative(plain, folder_)));
    }
}

TEST_F(FolderLayout, ALaterBuildRenewsTheProgramsFilesAndNeverTheUsers) {
    ASSERT_TRUE(layOutProgramFolder(assets_.string(), folder_.string()).empty());
    ASSERT_TRUE(base::writeFileAtomic((folder_ / "Conf/config.ini").string(), "[Level]\r\nSecurity=3\r\n"));
    ASSERT_TRUE(base::writeFileAtomic((folder_ / "Forms/frmMain.qvf").string(), "damaged"));
    // The program runs: its stores are open.
    fs::rename(folder_ / "Data/Guard.exe", folder_ / "Data/Guard.qvl");
    fs::rename(folder_ / "Data/trojan.exe", folder_ / "Data/trojan.dat");
    fs::rename(folder_ / "Conf/filter.exe", folder_ / "Conf/filter.ini");

    ASSERT_TRUE(layOutProgramFolder(assets_.string(), folder_.string()).empty());
    EXPECT_EQ(read(folder_ / "Conf/config.ini"), "[Level]\r\nSecurity=3\r\n");
    EXPECT_EQ(read(folder_ / "Forms/frmMain.qvf"), read(assets_ / "Forms/frmMain.qvf"));
    EXPECT_FALSE(fs::exists(folder_ / "Data/Guard.exe"));
    EXPECT_FALSE(fs::exists(folder_ / "Data/trojan.exe"));
    EXPECT_FALSE(fs::exists(folder_ / "Conf/filter.exe"));
}

}  // namespace
}  // namespace qv::app
