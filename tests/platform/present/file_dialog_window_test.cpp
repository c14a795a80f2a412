// The file dialog as a window: a folder's folders and its files of the chosen type, opening
// folders, choosing a file by double click or by name, and cancelling.
#include "platform/present/file_dialog_window.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/present/file_filter.h"
#include "platform/present/list_box_window.h"
#include "tests/platform/gui/temp_dir.h"
#include "tests/platform/present/dialog_fixture.h"

namespace qv::present::testing {
namespace {

class FileDialogWindowTest : public DialogTest {
protected:
    FileDialogWindowTest() {
        std::filesystem::create_directories(dir_ / "sub");
        std::filesystem::create_directories(dir_ / "Zeta");
        for (const char* name : {"b.txt", "A.TXT", "notes.log", "sub/c.txt"}) std::ofstream(dir_ / name) << "x";
    }
    gui::HWnd dialog() const { return ws_.findWindow(kFileDialogClass, "Open"); }
    gui::HWnd part(int id) const {
        for (gui::HWnd c : ws_.children(dialog()))
            if (ws_.controlId(c) == id) return c;
        return 0;
    }
    std::vector<std::string> rows(int id) { return listRows(ws_, part(id)); }
    // The middle of a list's row on the screen.
    gfx::Point rowOf(int id, int row) const {
        const gfx::Rect r = ws_.windowRect(part(id));
        return {r.left + 30, r.top + 2 + row * kListRowHeight + kListRowHeight / 2};
    }
    void doubleClickAt(gfx::Point p) {
        clickAt(p);
        clickAt(p);
    }
    void type(const std::string& text) {
        for (char c : text) ws_.typeChar(static_cast<unsigned char>(c));
    }
    std::optional<std::string> show() {
        return showFileDialog(ws_, {"", "Text (*.txt)|*.txt|All files|*.*", dir_.str(), "", false}, {640, 512});
    }

    gui::testing::TempDir dir_;
};

TEST_F(FileDialogWindowTest, ListsTheFoldersAndTheFilesOfTheChosenTypeAndOpensFolders) {
    std::vector<std::vector<std::string>> seen;
    soon([&] {
        seen.push_back(rows(kFolderList));
        seen.push_back(rows(kFileList));
        clickAt(rowOf(kTypeList, 1));  // All files
        soon([&] {
            seen.push_back(rows(kFileList));
            doubleClickAt(rowOf(kFolderList, 1));  // sub
            soon([&] {
                seen.push_back(rows(kFileList));
                doubleClickAt(rowOf(kFileList, 0));
            });
        });
    });
    const auto chosen = show();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], (std::vector<std::string>{"..", "sub", "Zeta"}));
    EXPECT_EQ(seen[1], (std::vector<std::string>{"A.TXT", "b.txt"}));  // by name, whatever the case
    EXPECT_EQ(seen[2], (std::vector<std::string>{"A.TXT", "b.txt", "notes.log"}));
    EXPECT_EQ(seen[3], (std::vector<std::string>{"c.txt"}));
    EXPECT_EQ(chosen, std::optional<std::string>(dir_ / "sub/c.txt"));
}

TEST_F(FileDialogWindowTest, ATypedNameIsChosenAndAFoldersNameOpensIt) {
    std::vector<std::string> files;
    soon([&] {
        type("sub");
        ws_.keyPress(gui::VK_RETURN);
        soon([&] {
            files = rows(kFileList);
            type("new.txt");
            clickAt(ws_.clientToScreen(part(kOkButton), {5, 5}));
        });
    });
    EXPECT_EQ(show(), std::optional<std::string>(dir_ / "sub/new.txt"));
    EXPECT_EQ(files, (std::vector<std::string>{"c.txt"}));
}

TEST_F(FileDialogWindowTest, AClickOnAFilePutsItsNameInTheFieldAndCancelAnswersNothing) {
    std::string field;
    soon([&] {
        clickAt(rowOf(kFileList, 1));
        soon([&] {
            field = ws_.text(part(kNameField));
            clickAt(ws_.clientToScreen(part(kCancelButton), {5, 5}));
        });
    });
    EXPECT_EQ(show(), std::nullopt);
    EXPECT_EQ(field, "b.txt");
    soon([&] { ws_.keyPress(gui::VK_ESCAPE); });
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
}  // namespace qv::present::testing
