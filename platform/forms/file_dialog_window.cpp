#include "platform/forms/file_dialog_window.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "platform/base/files.h"
#include "platform/forms/dialog_place.h"
#include "platform/forms/file_filter.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/lists.h"
#include "platform/forms/intrinsic/text_box.h"

namespace qv::forms {
namespace {

namespace fs = std::filesystem;

constexpr int kTw = kTwipsPerPixel;
constexpr int kWidth = 430, kHeight = 282;

template <class C>
void place(C& c, int x, int y, int w, int h) {
    c.Move(x * kTw, y * kTw, w * kTw, h * kTw);
}

bool lessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

std::string startFolder(const FileDialogRequest& r) {
    const std::string init = base::nativePath(r.initDir);
    if (!init.empty() && base::dirExists(init)) return init;
    const std::string inName = base::folderOf(base::nativePath(r.fileName));
    if (!inName.empty() && base::dirExists(inName)) return inName;
    std::error_code ec;
    return fs::current_path(ec).string();
}

class frmFileDialog : public Form {
public:
    frmFileDialog(const FileDialogRequest& r, std::shared_ptr<std::optional<std::string>> chosen)
        : Form("frmFileDialog"), types_(parseFileFilter(r.filter)), chosen_(std::move(chosen)) {
        BorderStyle(3);
        ShowInTaskbar(false);
        Caption(!r.title.empty() ? r.title : r.save ? "Save As" : "Open");
        lblFolders.Caption("Folders:");
        lblFiles.Caption("Files:");
        lblName.Caption("File &name:");
        lblTypes.Caption("Files of &type:");
        cmdOpen.Caption(r.save ? "&Save" : "&Open");
        cmdOpen.Default(true);
        cmdCancel.Caption("Cancel");
        cmdCancel.Cancel(true);
        cboTypes.Style(2);
        for (const FileType& t : types_) cboTypes.AddItem(t.description);
        cboTypes.ListIndex(0);
        txtName.Text(base::fileNameOf(base::nativePath(r.fileName)));
        layOut();

        lstFolders.DblClick = [this] {
            if (lstFolders.ListIndex() >= 0) openFolder(base::joinPath(folder_, lstFolders.Text()));
        };
        lstFiles.Click = [this] { txtName.Text(lstFiles.Text()); };
        lstFiles.DblClick = [this] { accept(); };
        cboTypes.Click = [this] { fill(); };
        cmdOpen.Click = [this] { accept(); };
        // Enter in the name field opens, as the default button would; Escape cancels.
        txtName.KeyDown = [this](int& key, int) {
            constexpr int kReturn = 13, kEscape = 27;
            if (key != kReturn && key != kEscape) return;
            const bool open = key == kReturn;
            key = 0;
            if (open) {
                accept();
            } else {
                Unload(*this);
            }
        };
        cmdCancel.Click = [this] { Unload(*this); };
        openFolder(startFolder(r));
    }

    void Form_Activate() override { txtName.SetFocus(); }

private:
    void layOut() {
        place(lblLookIn, 8, 8, 414, 16);
        place(lblFolders, 8, 28, 200, 16);
        place(lstFolders, 8, 46, 200, 160);
        place(lblFiles, 216, 28, 206, 16);
        place(lstFiles, 216, 46, 206, 160);
        place(lblName, 8, 215, 80, 16);
        place(txtName, 90, 212, 240, 21);
        place(cmdOpen, 342, 211, 80, 23);
        place(lblTypes, 8, 245, 80, 16);
        place(cboTypes, 90, 242, 240, 21);
        place(cmdCancel, 342, 243, 80, 23);
        placeDialog(*this, kWidth, kHeight);
    }

    void openFolder(const std::string& path) {
        std::error_code ec;
        const fs::path p = fs::weakly_canonical(fs::path(path), ec);
        if (ec || !fs::is_directory(p, ec)) return;
        folder_ = p.string();
        lblLookIn.Caption("Look in: " + folder_);
        fill();
    }

    // The folder's folders, and its files of the chosen type, by name whatever the case.
    void fill() {
        const FileType& type = types_[std::size_t(std::max(0, cboTypes.ListIndex()))];
        std::vector<std::string> dirs, names;
        std::error_code ec;
        for (fs::directory_iterator it(folder_, fs::directory_options::skip_permission_denied, ec), end;
             !ec && it != end; it.increment(ec)) {
            const std::string n = it->path().filename().string();
            if (it->is_directory(ec)) {
                dirs.push_back(n);
            } else if (it->is_regular_file(ec) && matchesType(n, type)) {
                names.push_back(n);
            }
        }
        std::sort(dirs.begin(), dirs.end(), lessNoCase);
        std::sort(names.begin(), names.end(), lessNoCase);
        if (fs::path(folder_) != fs::path(folder_).root_path()) dirs.insert(dirs.begin(), "..");
        lstFolders.Clear();
        for (const std::string& d : dirs) lstFolders.AddItem(d);
        lstFiles.Clear();
        for (const std::string& n : names) lstFiles.AddItem(n);
    }

    // Open: the name field names a folder to open, or the file chosen.
    void accept() {
        const std::string typed = base::nativePath(txtName.Text());
        if (typed.empty()) return;
        const std::string path = typed.front() == '/' ? typed : base::joinPath(folder_, typed);
        if (base::dirExists(path)) {
            openFolder(path);
            txtName.Text("");
            return;
        }
        *chosen_ = path;
        Unload(*this);
    }

    std::vector<FileType> types_;
    std::shared_ptr<std::optional<std::string>> chosen_;
    std::string folder_;
    Label lblLookIn{*this, "lblLookIn"}, lblFolders{*this, "lblFolders"}, lblFiles{*this, "lblFiles"},
        lblName{*this, "lblName"}, lblTypes{*this, "lblTypes"};
    ListBox lstFolders{*this, "lstFolders"}, lstFiles{*this, "lstFiles"};
    TextBox txtName{*this, "txtName"};
    ComboBox cboTypes{*this, "cboTypes"};
    CommandButton cmdOpen{*this, "cmdOpen"}, cmdCancel{*this, "cmdCancel"};
};

}  // namespace

std::optional<std::string> showFileDialog(const FileDialogRequest& r) {
    auto chosen = std::make_shared<std::optional<std::string>>();
    New<frmFileDialog>(r, chosen).Show(1);
    return *chosen;
}

}  // namespace qv::forms
