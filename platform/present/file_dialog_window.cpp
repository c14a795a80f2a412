#include "platform/present/file_dialog_window.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/base/files.h"
#include "platform/gfx/device_context.h"
#include "platform/present/classic_parts.h"
#include "platform/present/dialog_button.h"
#include "platform/present/dialog_window.h"
#include "platform/present/file_filter.h"
#include "platform/present/list_box_window.h"
#include "platform/present/message_box_layout.h"
#include "platform/present/modal_loop.h"
#include "platform/present/text_field_window.h"

namespace qv::present {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 430, kHeight = 282;
constexpr gfx::Rect kLookIn{8, 8, 422, 24}, kFoldersLabel{8, 28, 208, 44}, kFilesLabel{216, 28, 422, 44};
constexpr gfx::Rect kFolders{8, 46, 208, 206}, kFiles{216, 46, 422, 206};
constexpr gfx::Rect kNameLabel{8, 212, 88, 233}, kName{90, 212, 330, 233}, kOk{342, 211, 422, 234};
constexpr gfx::Rect kTypesLabel{8, 242, 88, 258}, kTypes{90, 242, 330, 274}, kCancel{342, 243, 422, 266};

struct DialogState {
    forms::FileDialogRequest request;
    std::vector<FileType> types;
    std::string folder;
    std::size_t type = 0;
    bool done = false;
    std::optional<std::string> chosen;
    gui::HWnd folders = 0, files = 0, typeList = 0, name = 0;
};

DialogState* stateOf(gui::WindowSystem& ws, gui::HWnd h) { return classState<DialogState>(ws, h); }

bool lessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

void fill(gui::WindowSystem& ws, gui::HWnd h, DialogState& st) {
    std::vector<std::string> dirs, names;
    std::error_code ec;
    for (fs::directory_iterator it(st.folder, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string n = it->path().filename().string();
        if (it->is_directory(ec)) {
            dirs.push_back(n);
        } else if (it->is_regular_file(ec) && matchesType(n, st.types[st.type])) {
            names.push_back(n);
        }
    }
    std::sort(dirs.begin(), dirs.end(), lessNoCase);
    std::sort(names.begin(), names.end(), lessNoCase);
    if (fs::path(st.folder).has_parent_path() && fs::path(st.folder) != fs::path(st.folder).root_path())
        dirs.insert(dirs.begin(), "..");
    setListRows(ws, st.folders, std::move(dirs));
    setListRows(ws, st.files, std::move(names));
    ws.invalidateRect(h, &kLookIn);
}

void openFolder(gui::WindowSystem& ws, gui::HWnd h, DialogState& st, const std::string& path) {
    std::error_code ec;
    const fs::path p = fs::weakly_canonical(fs::path(path), ec);
    if (ec || !fs::is_directory(p, ec)) return;
    st.folder = p.string();
    fill(ws, h, st);
}

// OK: the name field names a folder to open or the file chosen.
void accept(gui::WindowSystem& ws, gui::HWnd h, DialogState& st) {
    const std::string typed = base::nativePath(ws.text(st.name));
    if (typed.empty()) return;
    const std::string path = typed.front() == '/' ? typed : base::joinPath(st.folder, typed);
    if (base::dirExists(path)) {
        openFolder(ws, h, st, path);
        setFieldText(ws, st.name, "");
        return;
    }
    st.chosen = path;
    st.done = true;
}

void paint(gui::WindowSystem& ws, gui::HWnd h, const DialogState& st) {
    gfx::DeviceContext dc = ws.beginPaint(h);
    dc.fillRect(ws.clientRect(h), gfx::Brush::solid(sys(gfx::kColourButtonFace)));
    dc.selectFont(kMessageBoxFont);
    const unsigned line = gfx::dt::kLeft | gfx::dt::kVCenter | gfx::dt::kSingleLine | gfx::dt::kNoPrefix;
    const gfx::Colour text = sys(gfx::kColourButtonText);
    drawCaption(dc, "Look in: " + st.folder, kLookIn, line, text, true);
    drawCaption(dc, "Folders:", kFoldersLabel, line, text, true);
    drawCaption(dc, "Files:", kFilesLabel, line, text, true);
    drawCaption(dc, "File name:", kNameLabel, line, text, true);
    drawCaption(dc, "Files of type:", kTypesLabel, line, text, true);
}

gui::LResult dialogProc(gui::HWnd h, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    gui::WindowSystem& ws = gui::windows();
    DialogState* st = stateOf(ws, h);
    if (!st) return ws.defWindowProc(h, msg, w, l);
    switch (msg) {
        case gui::WM_PAINT:
            paint(ws, h, *st);
            return 0;
        case kListSelected:
            if (w == kFileList) setFieldText(ws, st->name, listRows(ws, st->files)[std::size_t(l)]);
            if (w == kTypeList) {
                st->type = std::size_t(l);
                fill(ws, h, *st);
            }
            return 0;
        case kListActivated:
            if (w == kFolderList) openFolder(ws, h, *st, base::joinPath(st->folder, listRows(ws, st->folders)[std::size_t(l)]));
            if (w == kFileList) accept(ws, h, *st);
            return 0;
        case kFieldEntered:
            accept(ws, h, *st);
            return 0;
        case kButtonClicked:
            if (w == kOkButton) accept(ws, h, *st);
            if (w == kCancelButton) st->done = true;
            return 0;
        case gui::WM_CLOSE:
            st->done = true;
            return 0;
        case gui::WM_KEYDOWN:
            if (w == gui::WParam(gui::VK_ESCAPE)) st->done = true;
            return ws.defWindowProc(h, msg, w, l);
        default:
            return ws.defWindowProc(h, msg, w, l);
    }
}

std::string startFolder(const forms::FileDialogRequest& r) {
    const std::string init = base::nativePath(r.initDir);
    if (!init.empty() && base::dirExists(init)) return init;
    const std::string inName = base::folderOf(base::nativePath(r.fileName));
    if (!inName.empty() && base::dirExists(inName)) return inName;
    std::error_code ec;
    return fs::current_path(ec).string();
}

}  // namespace

std::optional<std::string> showFileDialog(gui::WindowSystem& ws, const forms::FileDialogRequest& r,
                                          gfx::Point centre) {
    registerOnce(ws, kFileDialogClass, dialogProc);
    auto state = std::make_shared<DialogState>();
    state->request = r;
    state->types = parseFileFilter(r.filter);
    const gfx::Point corner{centre.x - kWidth / 2, centre.y - kHeight / 2};
    gui::CreateParams p = placedAt(kFileDialogClass, {corner.x, corner.y, corner.x + kWidth, corner.y + kHeight});
    p.text = !r.title.empty() ? r.title : r.save ? "Save As" : "Open";
    p.style = gui::WS_POPUP | gui::WS_CAPTION | gui::WS_SYSMENU;
    p.exStyle = gui::WS_EX_DLGMODALFRAME;
    p.parent = ws.activeWindow();
    const gui::HWnd dlg = ws.createWindow(p);
    if (!dlg) return std::nullopt;
    *ws.classData(dlg) = state;
    // In tab order: the name first, as the dialog opens with the focus there.
    state->name = createTextField(ws, dlg, kNameField, kName);
    createDialogButton(ws, dlg, kOkButton, r.save ? "&Save" : "&Open", kOk, true);
    createDialogButton(ws, dlg, kCancelButton, "Cancel", kCancel, false);
    state->files = createListBox(ws, dlg, kFileList, kFiles);
    state->folders = createListBox(ws, dlg, kFolderList, kFolders);
    state->typeList = createListBox(ws, dlg, kTypeList, kTypes);
    std::vector<std::string> typeRows;
    for (const FileType& t : state->types) typeRows.push_back(t.description);
    setListRows(ws, state->typeList, std::move(typeRows));
    selectListRow(ws, state->typeList, 0);
    setFieldText(ws, state->name, base::fileNameOf(base::nativePath(r.fileName)));
    openFolder(ws, dlg, *state, startFolder(r));
    ws.showWindow(dlg, true);
    ws.setForegroundWindow(dlg);
    ws.setFocus(state->name);
    runModal(ws, dlg, [&] { return state->done; });
    ws.destroyWindow(dlg);
    return state->chosen;
}

}  // namespace qv::present
