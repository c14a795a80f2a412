#include "platform/forms/common/common_dialog.h"

#include "platform/base/basic_error.h"
#include "platform/base/files.h"
#include "platform/base/text.h"
#include "platform/forms/msgbox.h"

namespace qv::forms {

void CommonDialog::show(bool save) {
    FileDialogRequest r;
    r.title = DialogTitle();
    r.filter = Filter();
    r.initDir = InitDir();
    r.fileName = FileName();
    r.save = save;
    std::optional<std::string> chosen = prompter().fileDialog(r);
    if (!chosen) {
        if (CancelError()) throw base::BasicError(cdlCancel, "Cancel was selected.");
        return;
    }
    std::string path = *chosen;
    if (!DefaultExt().empty() && base::fileNameOf(path).find('.') == std::string::npos)
        path += "." + DefaultExt();
    FileName(path);
    fileTitle_ = base::fileNameOf(path);
}

bool CommonDialog::applyDesign(const std::string& key, const DesignValue& v) {
    using base::equalsNoCase;
    if (equalsNoCase(key, "FileName")) FileName(v.asText());
    else if (equalsNoCase(key, "DialogTitle")) DialogTitle(v.asText());
    else if (equalsNoCase(key, "Filter")) Filter(v.asText());
    else if (equalsNoCase(key, "FilterIndex")) FilterIndex(v.asLong());
    else if (equalsNoCase(key, "InitDir")) InitDir(v.asText());
    else if (equalsNoCase(key, "DefaultExt")) DefaultExt(v.asText());
    else if (equalsNoCase(key, "Flags")) Flags(v.asLong());
    else if (equalsNoCase(key, "CancelError")) CancelError(v.asBool());
    else return Control::applyDesign(key, v);
    return true;
}

}  // namespace qv::forms
