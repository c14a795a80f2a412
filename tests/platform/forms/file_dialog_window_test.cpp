// The file dialog as a form a person answers while the caller waits: a folder's folders and its
// files of the chosen type, opening folders, choosing a file by double click or by name, and
// cancelling. The person's steps come from the loop's idle hook on the fake clock, one a pass.
#include "platform/forms/file_dialog_window.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <vector>

#include "platform/base/clock.h"
#include "platform/forms/file_filter.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "platform/forms/intrinsic/lists.h"
#include "platform/forms/intrinsic/text_box.h"
#include "platform/forms/msgbox_window.h"
#include "platform/forms/runtime.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"
#include "tests/platform/gui/temp_dir.h"

namespace qv::forms {
namespace {

class FileDialogWindow : public ::testing::Test {
protected:
    FileDialogWindow() {
        setPrompter(&prompter_);
        std::filesystem::create_directories(dir_ / "sub");
        std::filesystem::create_directories(dir_ / "Zeta");
        for (const char* name : {"b.txt", "A.TXT", "notes.log", "sub/c.txt"}) std::ofstream(dir_ / name) << "x";
    }
    ~FileDialogWindow() override {
        setPrompter(nullptr);
        setIdleHook(nullptr);
        resetForms();
    }
    static Form* dialog() {
        for (Form* f : LoadedForms())
            if (f->Name() == "frmFileDialog") return f;
        return nullptr;
    }
    template <class C>
    static C& part(const char* name) {
        return *dynamic_cast<C*>(dialog()->findControl(name));
    }
    std::vector<std::string> rows(const char* list) {
        std::vector<std::string> out;
        const auto& l = part<ListBox>(list);
        for (int i = 0; i < l.ListCount(); ++i) out.push_back(l.List(i));
        return out;
    }
    // The middle of a list's row on the screen.
    gui::Point rowOf(const char* list, int row) const {
        const Control& c = part<ListBox>(list);
        const gfx::Rect r = c.pixelRect();
        const int y = ListBox::kBorderPixels + row * ListBox::kRowPixels + ListBox::kRowPixels / 2;
        return ws_.clientToScreen(dialog()->hWnd(), {r.left + 20, r.top + y});
    }
    gui::Point centreOf(const char* name) const {
        const gfx::Rect r = dialog()->findControl(name)->pixelRect();
        return ws_.clientToScreen(dialog()->hWnd(), {int(r.left + r.width() / 2), int(r.top + r.height() / 2)});
    }
    void clickAt(gui::Point p, int times = 1) {
        ws_.mouseMoveTo(p);
        for (int i = 0; i < times; ++i) {
            ws_.mouseButtonDown(gui::MouseButton::Left);
            ws_.doEvents();
            ws_.mouseButtonUp(gui::MouseButton::Left);
            ws_.doEvents();
        }
        clock_.advance(gui::WindowSystem::kDoubleClickMs + 1);
    }
    void type(const std::string& text) {
        for (char c : text) ws_.typeChar(static_cast<unsigned char>(c));
        ws_.doEvents();
    }
    // The steps run one a pass of the nested loop, once the dialog shows.
    void stepsOf(std::vector<std::function<void()>> steps) {
        auto next = std::make_shared<std::size_t>(0);
        setIdleHook([this, steps = std::move(steps), next] {
            clock_.advance(1);
            Form* f = dialog();
            if (f == nullptr || !f->Visible() || *next >= steps.size()) return;
            steps[(*next)++]();
        });
    }
    std::optional<std::string> show() {
        return prompter().fileDialog({"", "Text (*.txt)|*.txt|All files|*.*", dir_.str(), "", false});
    }

    base::FakeClock clock_;
    base::ScopedClock useClock_{clock_};
    gui::WindowSystem ws_;
    gui::ScopedWindowSystem useWindows_{ws_};
    WindowPrompter prompter_;
    gui::testing::TempDir dir_;
};

TEST_F(FileDialogWindow, ListsTheFoldersAndTheFilesOfTheChosenTypeAndOpensFolders) {
    std::vector<std::vector<std::string>> seen;
    stepsOf({
        [&] {
            seen.push_back(rows("lstFolders"));
            seen.push_back(rows("lstFiles"));
            part<ComboBox>("cboTypes").choose(1);  // All files
        },
        [&] {
            seen.push_back(rows("lstFiles"));
            clickAt(rowOf("lstFolders", 1), 2);  // sub
        },
        [&] {
            seen.push_back(rows("lstFiles"));
            clickAt(rowOf("lstFiles", 0), 2);
        },
    });
    const auto chosen = show();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], (std::vector<std::string>{"..", "sub", "Zeta"}));
    EXPECT_EQ(seen[1], (std::vector<std::string>{"A.TXT", "b.txt"}));  // by name, whatever the case
    EXPECT_EQ(seen[2], (std::vector<std::string>{"A.TXT", "b.txt", "notes.log"}));
    EXPECT_EQ(seen[3], (std::vector<std::string>{"c.txt"}));
    EXPECT_EQ(chosen, std::optional<std::string>(dir_ / "sub/c.txt"));
    EXPECT_EQ(dialog(), nullptr);
}

TEST_F(FileDialogWindow, ATypedNameIsChosenAndAFoldersNameOpensIt) {
    std::vector<std::string> files;
    stepsOf({
        [&] {
            type("sub");
            ws_.keyPress(gui::VK_RETURN);  // Open is the default button
            ws_.doEvents();
        },
        [&] {
            files = rows("lstFiles");
            type("new.txt");
            clickAt(centreOf("cmdOpen"));
        },
    });
    EXPECT_EQ(show(), std::optional<std::string>(dir_ / "sub/new.txt"));
    EXPECT_EQ(files, (std::vector<std::string>{"c.txt"}));
}

TEST_F(FileDialogWindow, AClickOnAFilePutsItsNameInTheFieldAndCancelAnswersNothing) {
    std::string field;
    stepsOf({
        [&] { clickAt(rowOf("lstFiles", 1)); },
        [&] {
            field = part<TextBox>("txtName").Text();
            clickAt(centreOf("cmdCancel"));
        },
    });
    EXPECT_EQ(show(), std::nullopt);
    EXPECT_EQ(field, "b.txt");
    stepsOf({[&] {
        ws_.keyPress(gui::VK_ESCAPE);
        ws_.doEvents();
    }});
    EXPECT_EQ(show(), std::nullopt);
}

TEST(FileFilterTest, PatternsMatchNamesWithoutRegardToCase) {
    struct Case {
        const char* name;
        const char* pattern;
        bool match;
    };
    const Case cases[] = {
        {"a.txt", "*.txt", true},    {"A.TXT", "*.txt", true},  {"a.txt.bak", "*.txt", false},
        {"readme", "*.*", true},     {"ab.exe", "a?.exe", true}, {"abc.exe", "a?.exe", false},
        {"x", "*", true},            {"", "*", true},            {"log1.log", "log*.l*g", true},
    };
    for (const Case& c : cases) EXPECT_EQ(matchesPattern(c.name, c.pattern), c.match) << c.name << " " << c.pattern;
    const std::vector<FileType> types = parseFileFilter("Pictures|*.bmp;*.ico|All|*.*");
    ASSERT_EQ(types.size(), 2u);
    EXPECT_EQ(types[0].patterns, (std::vector<std::string>{"*.bmp", "*.ico"}));
    EXPECT_TRUE(matchesType("X.ICO", types[0]));
    EXPECT_EQ(parseFileFilter("").size(), 1u);
}

}  // namespace
}  // namespace qv::forms
