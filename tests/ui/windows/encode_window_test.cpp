// The encryption tool window on real files in a scratch folder, its dialogs and message boxes
// answered by a script.
#include "ui/windows/frm_encode.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cipher/crypt_file.h"
#include "cipher/ultra_state.h"
#include "platform/base/files.h"
#include "platform/forms/instances.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/runtime.h"
#include "platform/gfx/colour.h"
#include "platform/gui/window_system.h"
#include "platform/present/render.h"
#include "tests/ui/scratch_folders.h"
#include "tests/ui/windows/picture_check.h"
#include "ui/windows/encode_progress.h"

namespace qv::ui::testing {
namespace {

class EncodeWindowTest : public ::testing::Test {
protected:
    EncodeWindowTest() {
        forms::setDesignFolder(QV_SOURCE_DIR "/assets/Forms");
        forms::setPrompter(&prompter_);
        forms::setAppTitle("Quarvelin - Personal Firewall and Conne");
        cipher::ULTRA = cipher::UltraState{};
        cipher::SetProgressPump(&EncodeProgress());
    }
    ~EncodeWindowTest() override {
        cipher::SetProgressPump(nullptr);
        forms::resetForms();
        forms::resetRuntime();
        forms::setPrompter(nullptr);
    }
    std::string path(const std::string& name) const { return (folders_.root() / name).string(); }
    void write(const std::string& name, const std::string& data) const { ASSERT_TRUE(base::writeFileAtomic(path(name), data)); }
    std::string read(const std::string& name) const { return base::readFile(path(name)).value_or("<missing>"); }
    frmEncode& shown() {
        frmEncode& f = forms::Default<frmEncode>();
        f.Show();
        return f;
    }
    // Picks a source file through the "..." button.
    void chooseSource(frmEncode& f, const std::string& name) {
        prompter_.files.push_back(path(name));
        f.clickControl(f.cmdSource);
    }
    // A person's click in the middle of a control: the pointer comes, the button goes down and
    // up, and the messages wait in the loop's queue for the next pass.
    static void personClicks(const forms::Control& c) {
        gui::WindowSystem& ws = gui::windows();
        const gui::Rect r = ws.windowRect(c.hWnd());
        ws.mouseMoveTo({int(r.left + r.width() / 2), int(r.top + r.height() / 2)});
        ws.mouseButtonDown(gui::MouseButton::Left);
        ws.mouseButtonUp(gui::MouseButton::Left);
    }

    ScratchFolders folders_{"qv_encode_"};
    forms::ScriptedPrompter prompter_;
};

TEST_F(EncodeWindowTest, ASourceFillsBothBoxesSoAnInPlaceRunShowsTheWrittenName) {
    write("notes.txt", "meeting at nine");
    frmEncode& f = shown();
    chooseSource(f, "notes.txt");
    ASSERT_EQ(prompter_.dialogs.size(), 1u);
    EXPECT_EQ(prompter_.dialogs[0].title, " Select source name");
    EXPECT_EQ(prompter_.dialogs[0].filter, "All Files (*.*)|*.*");
    EXPECT_EQ(f.txtTarget.Text(), path("notes.txt"));

    f.clickControl(f.cmdCrypto);
    EXPECT_TRUE(prompter_.boxes.empty());
    EXPECT_EQ(f.txtSource.Text(), path("notes.exe"));
    EXPECT_EQ(f.txtTarget.Text(), path("notes.exe"));
    EXPECT_FALSE(base::fileExists(path("notes.txt")));

    // And back again, from the boxes as they now stand.
    f.clickControl(f.cmdCrypto);
    EXPECT_EQ(f.txtSource.Text(), path("notes.txt"));
    EXPECT_EQ(read("notes.txt"), "meeting at nine");

    // The next dialog opens in the folder last used; a cancelled one changes nothing.
    f.clickControl(f.cmdTarget);
    EXPECT_EQ(prompter_.dialogs.back().title, " Select output name");
    EXPECT_EQ(prompter_.dialogs.back().initDir, folders_.root().string());
    EXPECT_EQ(f.txtTarget.Text(), path("notes.txt"));
}

TEST_F(EncodeWindowTest, ChangingOnlyTheTargetWritesBesideItAndKeepsTheSource) {
    write("notes.txt", "meeting at nine");
    std::filesystem::create_directories(folders_.root() / "out");
    frmEncode& f = shown();
    chooseSource(f, "notes.txt");
    prompter_.files.push_back(path("out/copy.txt"));
    f.clickControl(f.cmdTarget);
    f.clickControl(f.cmdCrypto);
    EXPECT_EQ(f.txtSource.Text(), path("notes.txt"));
    EXPECT_EQ(f.txtTarget.Text(), path("out/copy.exe"));
    EXPECT_EQ(read("notes.txt"), "meeting at nine");
    EXPECT_TRUE(base::fileExists(path("out/copy.exe")));
}

TEST_F(EncodeWindowTest, KeyQualityAndAnEmptyKeyFailingBothRuns) {
    frmEncode& f = shown();
    EXPECT_EQ(f.txtKey.Text(), "tolmek58");
    EXPECT_EQ(f.lblKeyQuality.Caption(), "Key Quality:  34%") << "the preset key's quality from the start";
    f.txtKey.Text("Ab3!efg");
    EXPECT_EQ(f.lblKeyQuality.Caption(), "Key Quality:  52%");
    f.txtKey.Text("");
    EXPECT_EQ(f.lblKeyQuality.Caption(), "Key Quality:  0%");

    write("notes.txt", "meeting at nine");
    chooseSource(f, "notes.txt");
    f.txtBox.Text("plain words");
    f.clickControl(f.cmdCrypto);
    f.clickControl(f.cmdText);
    ASSERT_EQ(prompter_.boxes.size(), 2u);
    for (const auto& box : prompter_.boxes) {
        EXPECT_EQ(box.text, "Key too small/is repeating (Error 3)");
        EXPECT_EQ(box.style, forms::vbCritical);
        EXPECT_EQ(box.title, "Quarvelin - Personal Firewall and Conne");
    }
    EXPECT_EQ(f.txtBox.Text(), "plain words");
    EXPECT_EQ(f.txtSource.Text(), path("notes.txt"));
    EXPECT_EQ(read("notes.txt"), "meeting at nine");
}

TEST_F(EncodeWindowTest, TextRunsThroughTheEnvelopeAndBack) {
    frmEncode& f = shown();
    f.txtBox.Text("plain words");
    f.clickControl(f.cmdText);
    EXPECT_NE(f.txtBox.Text(), "plain words");
    f.clickControl(f.cmdText);
    EXPECT_EQ(f.txtBox.Text(), "plain words");
    EXPECT_TRUE(prompter_.boxes.empty());
}

// A person clicks Encode and then, while the run lets messages through, Cancel: by the pointer
// (the Encode button, disabled for the run, must not keep the mouse) or by a click posted to the
// Cancel button's window.
TEST_F(EncodeWindowTest, CancelDuringALongRunAbortsItAndWritesNothing) {
    std::string big(400000, 'x');
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>((i * 7919) % 251);
    write("big.bin", big);
    frmEncode& f = shown();
    chooseSource(f, "big.bin");
    struct Case {
        const char* name;
        std::function<void()> cancel;
    };
    const Case cases[] = {
        {"the person's click", [&] { personClicks(f.cmdCancelFile); }},
        {"a click posted to the button", [&] { f.clickControl(f.cmdCancelFile); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompter_.boxes.clear();
        bool busyWhileRunning = false;
        personClicks(f.cmdCrypto);
        // Queued behind Encode's click, this runs once the run lets messages through.
        forms::post([&] {
            busyWhileRunning = !f.cmdCrypto.Enabled() && !f.cmdSource.Enabled() && !f.cmdText.Enabled() &&
                               f.cmdCancelText.Enabled();
            c.cancel();
        });
        forms::DoEvents();
        EXPECT_TRUE(busyWhileRunning);
        ASSERT_EQ(prompter_.boxes.size(), 1u);
        EXPECT_EQ(prompter_.boxes[0].text, "Encoding has been aborted by user");
        EXPECT_FALSE(base::fileExists(path("big.exe")));
        EXPECT_EQ(read("big.bin"), big);
        EXPECT_EQ(f.txtTarget.Text(), path("big.bin"));
        EXPECT_TRUE(f.cmdCrypto.Enabled()) << "idle again";
        EXPECT_FALSE(f.cmdCancelFile.Enabled());
    }
}

TEST_F(EncodeWindowTest, ReplacingAnotherFileIsAskedAndNoWritesNothing) {
    // report.exe was encrypted earlier from report.txt; report.doc in place would write it again.
    write("report.txt", "the text");
    cipher::CryptFile(path("report.txt"), path("report.txt"), "tolmek58", "");
    const std::string earlier = read("report.exe");
    write("report.doc", "the document");
    frmEncode& f = shown();
    chooseSource(f, "report.doc");

    f.clickControl(f.cmdCrypto);  // unanswered: the default button
    ASSERT_EQ(prompter_.boxes.size(), 1u) << "No needs no second box";
    EXPECT_EQ(prompter_.boxes[0].style, forms::vbYesNo + forms::vbQuestion + forms::vbDefaultButton2);
    EXPECT_NE(prompter_.boxes[0].text.find(path("report.exe")), std::string::npos);
    EXPECT_EQ(read("report.exe"), earlier);
    EXPECT_EQ(read("report.doc"), "the document");
    EXPECT_EQ(f.txtSource.Text(), path("report.doc"));
    EXPECT_EQ(f.txtTarget.Text(), path("report.doc"));

    prompter_.answers = {forms::vbYes};
    f.clickControl(f.cmdCrypto);
    EXPECT_EQ(prompter_.boxes.size(), 2u);
    EXPECT_EQ(f.txtTarget.Text(), path("report.exe"));
    EXPECT_FALSE(base::fileExists(path("report.doc")));
}

TEST_F(EncodeWindowTest, EveryRunDrawsOnTheProgressBoxOfAHiddenWindow) {
    write("Firewall.qvl", "[RULES]\r\n");
    ASSERT_FALSE(forms::IsLoaded<frmEncode>());
    cipher::CryptFile(path("Firewall.qvl"), path("Firewall.qvl"), "tolmek58", "");
    ASSERT_TRUE(forms::IsLoaded<frmEncode>()) << "made by the first run that draws";
    frmEncode& f = forms::Default<frmEncode>();
    EXPECT_FALSE(f.Visible());

    const gfx::Canvas& box = f.picProgress.surface();
    const gfx::Colour fore = gfx::translateColour(f.picProgress.ForeColor());
    const gfx::Colour back = gfx::translateColour(f.picProgress.BackColor());
    EXPECT_EQ(box.pixel(box.width() / 2, box.height() / 2), back) << "cleared when the run ended";
    f.ShowProgress(50);
    EXPECT_EQ(box.pixel(0, 0), fore);
    EXPECT_EQ(box.pixel(box.width() / 2 - 2, box.height() - 1), fore);
    EXPECT_EQ(box.pixel(box.width() / 2 + 2, box.height() / 2), back);
    f.ShowProgress(100);
    EXPECT_EQ(box.pixel(box.width() - 1, box.height() / 2), fore) << "100 reaches the right edge";
}

TEST_F(EncodeWindowTest, MouseMovesOverThePanesFeedTheEntropyPool) {
    frmEncode& f = shown();
    const auto px = [](int twips) { return twips / 15; };
    f.injectMouseMove(0, 0, px(f.Frame(2).Left() + 60), px(f.Frame(2).Top() + 150));
    f.injectMouseMove(0, 0, px(f.Frame(2).Left() + 90), px(f.Frame(2).Top() + 150));
    EXPECT_EQ(cipher::ULTRA.EntropyPool.size(), 2u);
}

TEST_F(EncodeWindowTest, Picture) {
    frmEncode& f = shown();
    f.txtSource.Text("/home/user/Documents/report.doc");
    f.txtTarget.Text("/home/user/Documents/report.doc");
    f.txtBox.Text("The meeting moves to Thursday at nine.");
    f.ShowProgress(40);
    expectMatchesPicture(present::renderForm(f), "frmEncode");
}

}  // namespace
}  // namespace qv::ui::testing
