#include "ui/windows/frm_encode.h"

#include "cipher/crypt_file.h"
#include "cipher/crypt_text.h"
#include "cipher/key_check.h"
#include "cipher/salt.h"
#include "cipher/ultra_state.h"
#include "platform/base/basic_error.h"
#include "platform/base/convert.h"
#include "platform/base/files.h"
#include "platform/forms/msgbox.h"

namespace qv::ui {

namespace {

constexpr double kProgressScale = 100;

void showCipherError() { forms::MsgBox(cipher::ULTRA.ErrorText, forms::vbCritical); }

// Asks whether a file run may replace output; No is the default.
bool mayReplace(const std::string& output) {
    return forms::MsgBox("The file " + output + " already exists. Do you want to replace it?",
                         forms::vbYesNo + forms::vbQuestion + forms::vbDefaultButton2) == forms::vbYes;
}

}  // namespace

frmEncode::frmEncode() : Form("frmEncode", "frmEncode") {
    cmdCrypto.Click = [this] { cmdCrypto_Click(); };
    cmdText.Click = [this] { cmdText_Click(); };
    cmdSource.Click = [this] { cmdSource_Click(); };
    cmdTarget.Click = [this] { cmdTarget_Click(); };
    cmdCancelFile.Click = [] { cipher::ULTRA.AbortRequested = true; };
    cmdCancelText.Click = [] { cipher::ULTRA.AbortRequested = true; };
    txtKey.Change = [this] { txtKey_Change(); };
    // Mouse moves over the panes feed the salt's entropy pool.
    Frame.on(&forms::Control::MouseMove, [](int, int, int, float x, float y) { cipher::AddMouseEntropy(x, y); });
    txtBox.MouseMove = [](int, int, float x, float y) { cipher::AddMouseEntropy(x, y); };
}

void frmEncode::Form_Load() {
    picProgress.ScaleWidth(kProgressScale);
    // The quality of the preset key shows from the start.
    txtKey_Change();
}

void frmEncode::ShowProgress(float percent) {
    if (percent == 0) {
        picProgress.Cls();
        return;
    }
    picProgress.DrawMode(13);
    picProgress.Line(-10, -10, percent, picProgress.ScaleHeight() + 75, -1, 2);
    picProgress.Refresh();
}

void frmEncode::SetBusy() {
    for (forms::CommandButton* b : {&cmdCrypto, &cmdSource, &cmdTarget, &cmdText}) b->Enabled(false);
    for (forms::CommandButton* b : {&cmdCancelFile, &cmdCancelText}) b->Enabled(true);
}

void frmEncode::SetIdle() {
    for (forms::CommandButton* b : {&cmdCrypto, &cmdSource, &cmdTarget, &cmdText}) b->Enabled(true);
    for (forms::CommandButton* b : {&cmdCancelFile, &cmdCancelText}) b->Enabled(false);
}

void frmEncode::cmdCrypto_Click() {
    SetBusy();
    const std::string source = txtSource.Text(), target = txtTarget.Text();
    bool declined = false;
    const cipher::ReplaceQuestion ask = [&declined](const std::string& output) {
        declined = !mayReplace(output);
        return !declined;
    };
    const std::string written = cipher::CryptFile(source, target, txtKey.Text(), txtPCC.Text(), ask);
    if (cipher::ULTRA.ErrorCode != 0) {
        // A No was the person's own answer: it needs no second box.
        if (!declined) showCipherError();
    } else {
        if (source == target) txtSource.Text(written);
        txtTarget.Text(written);
    }
    SetIdle();
}

void frmEncode::cmdText_Click() {
    SetBusy();
    txtBox.Text(cipher::CryptText(txtBox.Text(), txtKey.Text(), txtPCC.Text()));
    if (cipher::ULTRA.ErrorCode != 0) showCipherError();
    SetIdle();
}

void frmEncode::txtKey_Change() {
    lblKeyQuality.Caption("Key Quality: " + base::Str(cipher::KeyQuality(txtKey.Text())) + "%");
}

std::string frmEncode::chooseFile(const std::string& title) {
    CommonDialog1.DialogTitle(title);
    CommonDialog1.Filter("All Files (*.*)|*.*");
    CommonDialog1.InitDir(lastFolder_);
    CommonDialog1.FileName("");
    CommonDialog1.Flags(forms::cdlOFNHideReadOnly);
    CommonDialog1.CancelError(true);
    try {
        CommonDialog1.ShowOpen();
    } catch (const base::BasicError& e) {
        if (e.number() == forms::cdlCancel) return "";
        throw;
    }
    lastFolder_ = base::folderOf(CommonDialog1.FileName());
    return CommonDialog1.FileName();
}

void frmEncode::cmdSource_Click() {
    const std::string path = chooseFile(" Select source name");
    if (path.empty()) return;
    txtSource.Text(path);
    txtTarget.Text(path);
}

void frmEncode::cmdTarget_Click() {
    const std::string path = chooseFile(" Select output name");
    if (!path.empty()) txtTarget.Text(path);
}

}  // namespace qv::ui
