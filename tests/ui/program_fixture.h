#pragma once
// The program as it runs, on a fake clock, a window system of the test's own and a simulated
// machine online over a LAN, over a fresh program folder laid out as a new user gets it (the
// options file, the sealed guard store and trojan list) and a fresh per-user configuration
// folder. Message boxes are answered by a script; engine state starts as in a new run. The
// splash and the main window are the program's default instances.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cipher/crypt_file.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "tests/platform/host/sim_machine.h"
#include "tests/ui/fresh_run.h"
#include "tests/ui/scratch_folders.h"
#include "ui/main/frm_main.h"
#include "ui/main/program_end.h"
#include "ui/main/program_hooks.h"
#include "ui/main/splash.h"
#include "ui/main/store_files.h"

namespace qv::ui::testing {

class ProgramTest : public ::testing::Test, protected WindowTestServices, protected host::test::SimMachine {
protected:
    // First, so that the folders are in place before everything else and go last.
    ScratchFolders folders_{"qv_program_"};
    const std::filesystem::path root_ = folders_.root();
    const std::filesystem::path program_ = root_ / "program";

    ProgramTest() {
        startAfresh(prompter_);
        ResetProgramEnd();
        sim.setOwnProcess(2, 1);
        sim.setInternetState({true, host::kInternetLan | host::kInternetConfigured});
        layOut();
    }
    ~ProgramTest() override {
        endForms();
        ResetProgramEnd();
        leaveAsFound();
    }

    // What a new user's program folder holds.
    void layOut() {
        std::filesystem::create_directories(program_ / "Conf");
        std::filesystem::create_directories(program_ / "Data");
        std::filesystem::copy_file(QV_SOURCE_DIR "/assets/Conf/config.ini", program_ / "Conf" / "config.ini",
                                   std::filesystem::copy_options::overwrite_existing);
        std::filesystem::copy_file(QV_SOURCE_DIR "/assets/Data/trojan.exe", program_ / "Data" / "trojan.exe",
                                   std::filesystem::copy_options::overwrite_existing);
        std::filesystem::copy_file(QV_SOURCE_DIR "/assets/Data/Guard.qvl", program_ / "Data" / "Guard.qvl",
                                   std::filesystem::copy_options::overwrite_existing);
        const std::string guard = base::programFolder() + "\\Data\\Guard.qvl";
        cipher::CryptFile(guard, guard, kDataFileKey, "");
    }

    // The program from its first moment: the splash shown, its progress run to the end.
    void startProgram() {
        forms::Default<splash>().Show();
        forms::advance(101 * 101);
    }
    frmMain& main() { return *runningMain(); }

    bool exists(const std::string& relative) const { return std::filesystem::exists(program_ / relative); }
    // Every file below the program folder.
    std::vector<std::string> files() const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::recursive_directory_iterator(program_))
            if (e.is_regular_file()) out.push_back(std::filesystem::relative(e.path(), program_).string());
        std::sort(out.begin(), out.end());
        return out;
    }

    ProgramHooks hooks_;
};

}  // namespace qv::ui::testing
