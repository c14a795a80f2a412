#include "platform/forms/picture.h"

#include "platform/base/files.h"
#include "platform/forms/form.h"
#include "platform/gfx/picture.h"

namespace qv::forms {

PictureRef loadDesignPicture(const DesignValue& v) {
    const std::string name = v.asText();
    if (name.empty()) return nullptr;
    PictureRef p = gfx::loadPicture(base::joinPath(designFolder(), name));
    if (p == nullptr) throw DesignError(v.line, "cannot read the picture " + name);
    return p;
}

}  // namespace qv::forms
