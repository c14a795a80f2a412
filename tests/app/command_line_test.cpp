// The program as a person starts it: its command line, a headless run that goes on until a
// signal ends it, and a second start over the same program folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/folder_layout.h"
#include "cipher/crypt_file.h"
#include "platform/base/activation_socket.h"
#include "platform/base/files.h"
#include "tests/app/program_process.h"

namespace qv::app {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::ProgramProcess;

class CommandLine : public ::testing::Test {
protected:
    CommandLine() {
        fs::remove_all(root_);
        fs::create_directories(program_);
        fs::create_directories(root_ / "config");
        fs::create_directories(runtime_);
        ::chmod(runtime_.c_str(), 0700);
        EXPECT_TRUE(layOutProgramFolder(QV_SOURCE_DIR "/assets", program_.string()).empty());
        ::setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
    }
    ~CommandLine() override {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    std::map<std::string, std::string> env(const std::string& display = "") const {
        return {{"XDG_CONFIG_HOME", (root_ / "config").string()},
                {"XDG_RUNTIME_DIR", runtime_.string()},
                {"DISPLAY", display}};
    }
    std::string folderOption() const { return "--folder=" + program_.string(); }

    // Every file below the folders the program may touch, with its bytes and its times.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> out;
        for (const fs::path& top : {program_, root_ / "config"}) {
            for (const auto& e : fs::recursive_directory_iterator(top)) {
                struct stat st {};
                ::lstat(e.path().c_str(), &st);
                std::string entry = std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec) +
                                    "/" + std::to_string(st.st_ctim.tv_sec) + "." +
                                    std::to_string(st.st_ctim.tv_nsec) + "/" + std::to_string(st.st_mode);
                if (e.is_regular_file()) entry += "\n" + base::readFile(e.path().string()).value_or("?");
                out[e.path().string()] = entry;
            }
        }
        return out;
    }

    const fs::path root_ = fs::temp_directory_path() / ("qv_cli_" + std::to_string(::getpid()) + "_" +
                                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    const fs::path program_ = root_ / "program";
    const fs::path runtime_ = root_ / "run";
};

TEST_F(CommandLine, OptionsAndRefusals) {
    ASSERT_TRUE(base::writeFileAtomic((root_ / "bad.txt").string(), "tcp NOWHERE 1.2.3.4:5 6.7.8.9:10 1\n"));
    struct Case {
        std::vector<std::string> args;
        std::string display;
        int exit;
        std::string out;  // "" for nothing at all
        std::string err;
    };
    const std::string folder = folderOption();
    const Case cases[] = {
        {{"--help"}, "", 0, "Usage: quarvelin [--host=sim|linux] [--folder=DIR] [--scenario=FILE]", ""},
        {{"--version"}, "", 0, "Quarvelin 1.3.0\n", ""},
        {{"--frobnicate"}, "", 2, "", "quarvelin: unknown option \"--frobnicate\"\n\nUsage: quarvelin"},
        {{folder, "extra"}, "", 2, "", "unknown option \"extra\""},
        {{"--host=windows"}, "", 2, "", "unknown host \"windows\" (sim or linux)"},
        {{"--folder="}, "", 2, "", "--folder needs a folder"},
        {{"--host=linux", "--scenario=x.txt"}, "", 2, "", "cannot go with --host=linux"},
        {{"--host=linux", folder}, "", 2, "", "--host=linux needs a display (DISPLAY is not set)"},
        {{"--host=linux", folder}, ":99", 2, "", "--host=linux needs a display (the display :99 cannot be opened)"},
        {{"--folder=" + (root_ / "nowhere").string()}, "", 2, "", "does not exist"},
        {{folder, "--scenario=" + (root_ / "missing.txt").string()}, "", 2, "", "cannot read the scenario"},
        {{folder, "--scenario=" + (root_ / "bad.txt").string()}, "", 2, "", "bad.txt: line 1:"},
    };
    const auto before = snapshot();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front() + (c.args.size() > 1 ? " " + c.args[1] : ""));
        ProgramProcess p(c.args, env(c.display));
        EXPECT_EQ(p.waitExit(5s), c.exit);
        if (c.out.empty()) EXPECT_EQ(p.out(), "");
        else EXPECT_NE(p.out().find(c.out), std::string::npos) << p.out();
        if (c.err.empty()) EXPECT_EQ(p.err(), "");
        else EXPECT_NE(p.err().find(c.err), std::string::npos) << p.err();
    }
    // Nothing refused touched the program folder.
    EXPECT_EQ(snapshot(), before);
}

TEST_F(CommandLine, WithoutADisplayItRunsUntilASignalEndsIt) {
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(sig);
        ProgramProcess p({folderOption()}, env());
        ASSERT_TRUE(p.waitForError("no display found", 5s)) << p.err();
        EXPECT_FALSE(p.waitExit(300ms)) << "it ended by itself";
        p.signal(sig);
        EXPECT_EQ(p.waitExit(5s), 0);
        EXPECT_EQ(p.err(), "quarvelin: no display found (DISPLAY is not set); running without windows until ended.\n");
        EXPECT_FALSE(fs::exists(base::activationSocketPath(program_.string())));
    }
}

TEST_F(CommandLine, ASecondStartTouchesNothingAndEndsAtOnce) {
    ProgramProcess first({folderOption()}, env());
    ASSERT_TRUE(first.waitForError("no display found", 5s));
    const std::string socket = base::activationSocketPath(program_.string());
    for (int i = 0; i < 200 && !fs::exists(socket); ++i) std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(fs::exists(socket));

    const auto before = snapshot();
    ProgramProcess second({folderOption()}, env());
    EXPECT_EQ(second.waitExit(5s), 0);
    EXPECT_EQ(second.err(), "");
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(first.waitExit(100ms)) << "the first copy ended";

    first.signal(SIGTERM);
    EXPECT_EQ(first.waitExit(5s), 0);
}

TEST_F(CommandLine, AfterTheSplashTheStoresAreOpenUntilTheEndSealsThem) {
    ProgramProcess p({folderOption()}, env());
    ASSERT_TRUE(p.waitForError("no display found", 5s));
    const fs::path guard = program_ / "Data" / "Guard.qvl";
    // Decryption writes the plain store and then removes the encrypted one.
    const fs::path sealed = program_ / "Data" / "Guard.exe";
    for (int i = 0; i < 150 && (!fs::exists(guard) || fs::exists(sealed)); ++i) std::this_thread::sleep_for(100ms);
    ASSERT_TRUE(fs::exists(guard)) << "the main window never opened the stores";
    EXPECT_FALSE(fs::exists(sealed));
    std::this_thread::sleep_for(500ms);  // a pass or two over the shipped scenario

    p.signal(SIGTERM);
    EXPECT_EQ(p.waitExit(10s), 0) << p.err();
    EXPECT_FALSE(fs::exists(guard));
    EXPECT_EQ(cipher::DetectFileType((program_ / "Data" / "Guard.exe").string()), 1);
    EXPECT_EQ(cipher::DetectFileType((program_ / "Data" / "Firewall.exe").string()), 1);
    EXPECT_FALSE(fs::exists(program_ / "Data" / "Firewall.qvl"));
    EXPECT_TRUE(fs::exists(program_ / "Logs"));
    auto settings = base::readFile((root_ / "config" / "quarvelin" / "registry-current-user.txt").string());
    ASSERT_TRUE(settings);
    EXPECT_NE(settings->find("\"who\"=sz:\"0\""), std::string::npos);
}

}  // namespace
}  // namespace qv::app
