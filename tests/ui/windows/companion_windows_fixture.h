#pragma once
// The windows fixture with the program's windows installed as the main window's companions: the
// rule list, the add-rule dialog, the graph window and the connection tester open as the
// program opens them. Programs with version blocks can be written as real files, named by
// Windows-style paths ("C:\Apps\lantern.exe") that the file functions take relative to the
// current folder: a folder of the test's own while it runs, so every run lists the same paths.
#include <filesystem>
#include <string>

#include "platform/base/files.h"
#include "tests/engine/version_block_builder.h"
#include "tests/ui/windows/windows_fixture.h"
#include "ui/windows/one_window.h"
#include "ui/windows/program_windows.h"

namespace qv::ui::testing {

class CompanionWindowsTest : public WindowsTest {
protected:
    CompanionWindowsTest() {
        std::filesystem::create_directories(root_ / "machine");
        std::filesystem::current_path(root_ / "machine");
        windows_.mainWindowMade(*main_);
        setCompanions(&windows_);
    }
    ~CompanionWindowsTest() override {
        setCompanions(nullptr);
        std::filesystem::current_path(previousFolder_);
    }

    // A program file whose version block gives that version; returns the path.
    static std::string program(const std::string& path, const std::string& version) {
        std::filesystem::create_directories(std::filesystem::path(base::nativePath(path)).parent_path());
        EXPECT_TRUE(base::writeFileAtomic(path, engine::test::executableHead() +
                                                    engine::test::wideBlock({{"FileVersion", version}}) +
                                                    std::string(16, '\0')));
        return path;
    }
    static void rule(const std::string& path, const std::string& value) {
        writeStore(engine::RuleStore(), "RULES", path, value);
    }
    // The stored rule; "-" when the key is missing.
    static std::string storedRule(const std::string& path) { return readStore(engine::RuleStore(), "RULES", path); }

    template <class F>
    static F* shown() {
        F* w = LoadedWindow<F>();
        return w != nullptr && w->Visible() ? w : nullptr;
    }

    const std::filesystem::path previousFolder_ = std::filesystem::current_path();
    ProgramWindows windows_;
};

}  // namespace qv::ui::testing
