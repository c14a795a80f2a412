// The filter editor and the block dialog worked by a person: adding entries and what is refused,
// the file written by Save and read back by the next load, Close dropping what was not saved,
// and the filter pass closing connections by the lists the editor holds right now.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/filter_add.h"
#include "engine/filter_file.h"
#include "tests/ui/windows/filter_windows_fixture.h"

namespace qv::ui::testing {
namespace {

// One address (typed as a name), two remote ports (one unchecked), one local port; every list
// active; port-log kinds 0, 1, 1, 0.
constexpr const char* kSavedFile =
    "[Main]\r\nFilter=True\r\nLog=False\r\n"
    "\r\n[Address]\r\nActivate=1\r\nAddrCnt=1\r\nAddr_1=mail.example\r\nip_1=10.0.0.25\r\nchk_1=True\r\n"
    "\r\n[RemP]\r\nActivate=1\r\nRemPcnt=2\r\nRemP_1=80\r\nchk_1=True\r\nRemP_2=6667\r\nchk_2=False\r\n"
    "\r\n[LocP]\r\nActivate=1\r\nLocPcnt=1\r\nLocP_1=135\r\nchk_1=True\r\n"
    "\r\n[Log]\r\nListening=0\r\nConnected=1\r\nBlocked=1\r\nICMP=0\r\n\r\n";

class FilterEditor : public FilterWindowsTest {
protected:
    FilterEditor() {
        sim.addName("mail.example", host::rowAddress(10, 0, 0, 25));
        writeFilterFile(kSavedFile);
    }
    // The editor shown, as the main window's button shows it.
    frmfilter& showEditor() {
        frmfilter& editor = filterWindows_.filter();
        editor.Show();
        return editor;
    }
    // The editor's lists as they show, list by list.
    std::vector<std::vector<std::string>> shownLists(frmfilter& editor) {
        return {shown(editor.lvwFilter(0)), shown(editor.lvwFilter(1)), shown(editor.lvwFilter(2))};
    }
    // A connection of its own to 10.0.0.9 on that remote port, and whether the next tick of the
    // open-port window's timer closes it. A second connection that no list holds comes with it,
    // so the table's row count differs from the one the last pass walked, whatever that pass
    // closed, and the pass walks the table.
    bool closedAtNextTick(uint16_t localPort, uint16_t remotePort) {
        connect(300, localPort, 9, remotePort);
        connect(300, static_cast<uint16_t>(localPort + 1000), 30, 5000);
        forms::advance(1);
        return closed(row(localPort, 9, remotePort));
    }
};

const std::vector<std::string> kAddresses = {"[x] mail.example"};
const std::vector<std::string> kRemotePorts = {"[x] 80", "6667"};
const std::vector<std::string> kLocalPorts = {"[x] 135"};

template <class T>
std::vector<T> plus(std::vector<T> v, T more) {
    v.push_back(std::move(more));
    return v;
}

TEST_F(FilterEditor, LoadingReadsTheListsTheSwitchesAndTheMainWindowsBoxesFromTheFile) {
    main_->chkAct(2).Value(0);
    frmfilter& editor = showEditor();
    EXPECT_EQ(shownLists(editor), (std::vector<std::vector<std::string>>{kAddresses, kRemotePorts, kLocalPorts}));
    EXPECT_EQ(editor.lvwFilter(0).ListItems()(1).Key(), "10.0.0.25");
    EXPECT_TRUE(editor.Filtering);
    EXPECT_FALSE(editor.Logging);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(main_->chkAct(k).Value(), 1) << k;
    const int log[] = {0, 1, 1, 0};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(main_->chkLog(k).Value(), log[k]) << k;
    for (int k = 0; k < 3; ++k) EXPECT_EQ(editor.cmdAdd(k).Caption(), "") << k;
    EXPECT_EQ(editor.isButton1.Caption(), "");
}

TEST_F(FilterEditor, AddTakesWhatIsTypedAndRefusesDuplicatesNonDigitsAndAddressesThatDoNotResolve) {
    sim.addName("other.example", host::rowAddress(10, 0, 0, 25));
    struct Case {
        int list;
        const char* typed;
        std::string message;  // "" for none
        std::vector<std::string> shown;
        const char* boxAfter;
    };
    const Case cases[] = {
        {0, "10.0.0.9", "", plus(kAddresses, std::string("[x] 10.0.0.9")), ""},
        {0, " 10.0.0.9 ", "", plus(kAddresses, std::string("[x] 10.0.0.9")), ""},
        {0, "mail.example", std::string(engine::kItemExists), kAddresses, ""},
        {0, "other.example", std::string(engine::kIpExists), kAddresses, ""},
        {0, "10.0.0.25", std::string(engine::kIpExists), kAddresses, ""},
        {0, "nowhere.example", std::string(engine::kCannotResolve), kAddresses, ""},
        {0, "", "", kAddresses, ""},
        {1, "443", "", plus(kRemotePorts, std::string("[x] 443")), ""},
        {1, "6667", std::string(engine::kItemExists), kRemotePorts, ""},
        {1, "8o", std::string(engine::kNotANumber), kRemotePorts, ""},
        {1, "-1", std::string(engine::kNotANumber), kRemotePorts, ""},
        {1, " 80", std::string(engine::kNotANumber), kRemotePorts, ""},
        {2, "99999", "", plus(kLocalPorts, std::string("[x] 99999")), ""},
        {2, "", "", kLocalPorts, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.list) + " \"" + c.typed + "\"");
        if (frmfilter* open = filterWindows_.loadedFilter()) click(open->PictureButton1);
        prompter_.boxes.clear();
        frmfilter& editor = showEditor();
        typeInto(editor.txtAdd(c.list), c.typed);
        click(editor.cmdAdd(c.list));
        EXPECT_EQ(messages(), c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
        EXPECT_EQ(shown(editor.lvwFilter(c.list)), c.shown);
        EXPECT_EQ(editor.txtAdd(c.list).Text(), c.boxAfter);
        // The lists the filter pass reads are the ones shown.
        EXPECT_EQ(filterWindows_.lvwFilter().count(c.list), static_cast<int>(c.shown.size()));
    }
}

TEST_F(FilterEditor, TheBlockDialogAddsToTheEditorsListsAndStaysOpenOnARefusal) {
    struct Case {
        int option;
        const char* typed;
        std::string message;  // "" when added
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {0, "10.0.0.9", "", plus(kAddresses, std::string("[x] 10.0.0.9"))},
        {0, "mail.example", std::string(engine::kItemExists), kAddresses},
        {0, "10.0.0.25", std::string(engine::kIpExists), kAddresses},
        {0, "nowhere.example", std::string(engine::kCannotResolve), kAddresses},
        {0, "", std::string(engine::kCannotResolve), kAddresses},
        // A port may stand twice in a list.
        {1, "80", "", plus(kRemotePorts, std::string("[x] 80"))},
        {1, "8o", std::string(engine::kNotANumber), kRemotePorts},
        {2, "", std::string(engine::kNotANumber), kLocalPorts},
        {2, "3389", "", plus(kLocalPorts, std::string("[x] 3389"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.option) + " \"" + c.typed + "\"");
        // Each case from the saved lists, in a fresh dialog, the editor not loaded.
        if (frmBlock* open = filterWindows_.loadedBlock()) forms::Unload(*open);
        if (frmfilter* open = filterWindows_.loadedFilter()) forms::Unload(*open);
        prompter_.boxes.clear();
        frmBlock& dialog = filterWindows_.block();
        dialog.Show();
        click(dialog.optB(c.option));
        forms::TextBox* boxes[] = {&dialog.txtAddr, &dialog.txtRemP, &dialog.txtLocP};
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(boxes[k]->BackColor(), k == c.option ? forms::OleColor{0xFFFFFF} : forms::kSysButtonFace) << k;
            EXPECT_EQ(boxes[k]->ForeColor(), k == c.option ? forms::OleColor{0} : forms::kSysAppWorkspace) << k;
        }
        typeInto(*boxes[c.option], c.typed);
        click(dialog.cmdBlock);

        frmfilter* editor = filterWindows_.loadedFilter();
        ASSERT_NE(editor, nullptr);
        EXPECT_FALSE(editor->Visible());
        EXPECT_EQ(shown(editor->lvwFilter(c.option)), c.shown);
        if (c.message.empty()) {
            EXPECT_EQ(messages(), std::vector<std::string>{});
            EXPECT_EQ(filterWindows_.loadedBlock(), nullptr);
        } else {
            EXPECT_EQ(messages(), std::vector<std::string>{c.message});
            ASSERT_EQ(filterWindows_.loadedBlock(), &dialog);
            EXPECT_TRUE(dialog.Visible());
            EXPECT_EQ(boxes[c.option]->Text(), "");
        }
        // Nothing reaches the file before the editor saves.
        EXPECT_EQ(readFilterFile(), kSavedFile);
    }
}

TEST_F(FilterEditor, WhatIsAddedOrTickedActsAtOnceAndCloseDropsWhatWasNotSaved) {
    showPorts();
    click(filterWindows_.ports().PictureButton1);  // hidden; its timer goes on
    ASSERT_TRUE(closedAtNextTick(1050, 80));
    EXPECT_FALSE(closedAtNextTick(1051, 6667));  // unchecked in the file

    // Added through the block dialog: in force at the next tick.
    frmBlock& dialog = filterWindows_.block();
    dialog.Show();
    click(dialog.optB(1));
    typeInto(dialog.txtRemP, "443");
    click(dialog.cmdBlock);
    EXPECT_TRUE(closedAtNextTick(1052, 443));

    // Ticked and unticked in the editor.
    frmfilter& editor = showEditor();
    clickCheckBox(editor.lvwFilter(1), 2);  // 6667 on
    clickCheckBox(editor.lvwFilter(1), 1);  // 80 off
    EXPECT_EQ(shown(editor.lvwFilter(1)), (std::vector<std::string>{"80", "[x] 6667", "[x] 443"}));
    EXPECT_TRUE(closedAtNextTick(1053, 6667));
    EXPECT_FALSE(closedAtNextTick(1054, 80));

    // Closed without saving: the next pass loads the file's lists again.
    click(editor.PictureButton1);
    EXPECT_EQ(filterWindows_.loadedFilter(), nullptr);
    EXPECT_TRUE(closedAtNextTick(1055, 80));
    EXPECT_FALSE(closedAtNextTick(1056, 6667));
    EXPECT_FALSE(closedAtNextTick(1057, 443));
    ASSERT_NE(filterWindows_.loadedFilter(), nullptr);
    EXPECT_FALSE(filterWindows_.loadedFilter()->Visible());
    EXPECT_EQ(shown(filterWindows_.loadedFilter()->lvwFilter(1)), kRemotePorts);
    EXPECT_EQ(readFilterFile(), kSavedFile);
}

TEST_F(FilterEditor, SaveWritesTheWholeFileAndTheNextLoadGivesItBackByteForByte) {
    struct Case {
        const char* name;
        bool startWithFile;
        bool edit;
        std::string expected;
    };
    const std::string edited =
        "[Main]\r\nFilter=True\r\nLog=False\r\n"
        "\r\n[Address]\r\nActivate=1\r\nAddrCnt=2\r\nAddr_1=mail.example\r\nip_1=10.0.0.25\r\nchk_1=True\r\n"
        "Addr_2=10.0.0.9\r\nip_2=10.0.0.9\r\nchk_2=False\r\n"
        "\r\n[RemP]\r\nActivate=0\r\nRemPcnt=3\r\nRemP_1=80\r\nchk_1=True\r\nRemP_2=6667\r\nchk_2=False\r\n"
        "RemP_3=443\r\nchk_3=True\r\n"
        "\r\n[LocP]\r\nActivate=1\r\nLocPcnt=1\r\nLocP_1=135\r\nchk_1=True\r\n"
        "\r\n[Log]\r\nListening=0\r\nConnected=1\r\nBlocked=0\r\nICMP=0\r\n\r\n";
    const std::string empty =
        "[Main]\r\nFilter=False\r\nLog=False\r\n"
        "\r\n[Address]\r\nActivate=0\r\nAddrCnt=0\r\n"
        "\r\n[RemP]\r\nActivate=0\r\nRemPcnt=0\r\n"
        "\r\n[LocP]\r\nActivate=0\r\nLocPcnt=0\r\n"
        "\r\n[Log]\r\nListening=0\r\nConnected=0\r\nBlocked=0\r\nICMP=0\r\n\r\n";
    const Case cases[] = {
        {"the saved file as it was", true, false, kSavedFile},
        {"edited", true, true, edited},
        {"no file, nothing added", false, false, empty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (frmfilter* open = filterWindows_.loadedFilter()) forms::Unload(*open);
        std::filesystem::remove(filterFile());
        if (c.startWithFile) writeFilterFile(kSavedFile);
        for (int k = 0; k < 4; ++k) main_->chkLog(k).Value(0);
        frmfilter& editor = showEditor();
        if (c.edit) {
            typeInto(editor.txtAdd(0), "10.0.0.9");
            click(editor.cmdAdd(0));
            clickCheckBox(editor.lvwFilter(0), 2);
            typeInto(editor.txtAdd(1), "443");
            click(editor.cmdAdd(1));
            // The main window's boxes go into the file too.
            main_->chkAct(1).Value(0);
            main_->chkLog(2).Value(0);
        }
        const auto lists = shownLists(editor);
        click(editor.PictureButton2);
        EXPECT_TRUE(editor.Visible());  // Save leaves the window open
        EXPECT_EQ(readFilterFile(), c.expected);

        // Closed and opened again: the same lists and boxes, saved again to the same bytes.
        click(editor.PictureButton1);
        ASSERT_EQ(filterWindows_.loadedFilter(), nullptr);
        for (int k = 0; k < 3; ++k) main_->chkAct(k).Value(2);
        frmfilter& again = showEditor();
        EXPECT_EQ(shownLists(again), lists);
        click(again.PictureButton2);
        EXPECT_EQ(readFilterFile(), c.expected);
        EXPECT_TRUE(prompter_.boxes.empty());
    }
}

TEST_F(FilterEditor, AFailedSaveIsToldAndLeavesWhatStoodThere) {
    frmfilter& editor = showEditor();
    // Something that is no file stands where the file goes: the new file cannot replace it.
    std::filesystem::remove(filterFile());
    std::filesystem::create_directories(filterFile() / "kept");
    click(editor.PictureButton2);
    EXPECT_EQ(messages(), std::vector<std::string>{std::string(engine::kFilterSaveFailed)});
    EXPECT_TRUE(std::filesystem::is_directory(filterFile() / "kept"));
    EXPECT_TRUE(editor.Visible());
}

}  // namespace
}  // namespace qv::ui::testing
