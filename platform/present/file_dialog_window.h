#pragma once
// The file dialog as a modal window of the window system: the folder it looks in, a list of
// that folder's folders (".." first) and a list of its files that match the chosen file type,
// the filter's file types, a name field, OK and Cancel. A double click on a folder opens it; a
// click on a file puts its name in the field, a double click chooses it; OK takes the field (a
// folder's name opens that folder). Cancel, Escape and the close box answer nothing.
#include <optional>
#include <string>

#include "platform/forms/msgbox.h"
#include "platform/gfx/geometry.h"
#include "platform/gui/window_system.h"

namespace qv::present {

inline constexpr const char* kFileDialogClass = "QvFileDialog";
// Control ids of the dialog's parts, for finding them.
enum FileDialogPart { kFolderList = 1, kFileList, kTypeList, kNameField, kOkButton, kCancelButton };

// The chosen file's path, or nothing when cancelled.
std::optional<std::string> showFileDialog(gui::WindowSystem& ws, const forms::FileDialogRequest& r,
                                          gfx::Point centre);

}  // namespace qv::present
