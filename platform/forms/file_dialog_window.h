#pragma once
// The file dialog as a form a person answers: the folder it looks in, a list of that folder's
// folders (".." first) and a list of its files of the chosen type, the filter's types, a name
// field, Open (or Save) and Cancel. A double click on a folder opens it; a click on a file puts
// its name in the field and a double click chooses it; Open takes the field, where a folder's
// name opens that folder. Cancel, Escape and the close box answer nothing. Shown modal while
// the caller waits in a nested run of the loop.
#include <optional>
#include <string>

#include "platform/forms/msgbox.h"

namespace qv::forms {

// The chosen file's native path, or nothing when cancelled.
std::optional<std::string> showFileDialog(const FileDialogRequest& r);

}  // namespace qv::forms
