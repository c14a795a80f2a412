#pragma once
// A main window over a fresh program folder (with Conf) and a fresh per-user configuration
// folder, on a fake clock and its own window system, with message boxes answered by a script.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/base/clock.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "platform/forms/form.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/runtime.h"
#include "platform/gui/window_system.h"
#include "platform/settings/config_folder.h"
#include "tests/ui/fresh_run.h"
#include "tests/ui/scratch_folders.h"
#include "ui/main/frm_main.h"

namespace qv::ui::testing {

// One entry of Conf\config.ini.
struct Entry {
    std::string section, key, value;
};

// Every option the program writes, with ordinary values.
inline std::vector<Entry> fullConfig() {
    return {{"Product", "Version", "1.3"},          {"Level", "Security", "2"},
            {"Windows", "Startup", "0"},            {"Windows", "Update", "0"},
            {"Windows", "Sound", "1"},              {"Windows", "Logging", "1"},
            {"Windows", "Alert", "1"},              {"Permission", "Allow", "0"},
            {"Permission", "Block", "0"},           {"Permission", "Accept", "1"},
            {"Filter", "Remote_address", "1"},      {"Filter", "Remote_port", "1"},
            {"Filter", "Local_port", "1"}};
}

class MainWindowTest : public ::testing::Test, protected WindowTestServices {
protected:
    // First, so that the folders are in place before everything else and go last.
    ScratchFolders folders_{"qv_ui_main_"};
    const std::filesystem::path root_ = folders_.root();

    MainWindowTest() {
        forms::setDesignFolder(QV_SOURCE_DIR "/assets/Forms");
        forms::setPrompter(&prompter_);
        reload();
    }
    ~MainWindowTest() override {
        form_.reset();
        forms::resetRuntime();
        forms::setPrompter(nullptr);
    }

    // A fresh main window, loaded as on a first start: its load finds no options file, so the
    // controls keep their designer values (the options file, if any, is back in place after).
    void reload() {
        form_.reset();
        const std::filesystem::path config = configFile(), aside = config.string() + ".aside";
        std::error_code ec;
        std::filesystem::rename(config, aside, ec);
        form_ = std::make_unique<frmMain>();
        forms::Load(*form_);
        if (!ec) std::filesystem::rename(aside, config);
        prompter_.boxes.clear();
    }
    std::string configFile() const { return (root_ / "program" / "Conf" / "config.ini").string(); }
    // Writes the entries as an INI file, sections in first-seen order.
    void writeConfig(const std::vector<Entry>& entries) const {
        std::vector<std::string> order;
        std::map<std::string, std::string> body;
        for (const auto& e : entries) {
            if (!body.count(e.section)) order.push_back(e.section);
            body[e.section] += e.key + "=" + e.value + "\r\n";
        }
        std::string text;
        for (const auto& s : order) text += "[" + s + "]\r\n" + body[s];
        ASSERT_TRUE(base::writeFileAtomic(configFile(), text));
    }
    // The full config with some entries replaced (value "<none>" leaves the entry out).
    static std::vector<Entry> configWith(const std::vector<Entry>& changes) {
        std::vector<Entry> out;
        for (auto e : fullConfig()) {
            for (const auto& c : changes)
                if (c.section == e.section && c.key == e.key) e.value = c.value;
            if (e.value != "<none>") out.push_back(e);
        }
        return out;
    }

    std::unique_ptr<frmMain> form_;
};

}  // namespace qv::ui::testing
