#include "platform/forms/common/animation.h"

#include "platform/base/basic_error.h"
#include "platform/base/files.h"
#include "platform/base/text.h"

namespace qv::forms {

void Animation::Open(const std::string& file) {
    if (!base::fileExists(file)) throw base::BasicError(35752, "Unable to open AVI file.");
    clip_ = file;
    playing_ = false;
    changed();
    if (AutoPlay()) Play();
}

void Animation::Play(int repeatCount, int, int) {
    if (clip_.empty()) throw base::BasicError(35752, "Unable to open AVI file.");
    playing_ = true;
    repeat_ = repeatCount;
    changed();
}

void Animation::Stop() {
    playing_ = false;
    changed();
}

void Animation::Close() {
    clip_.clear();
    playing_ = false;
    changed();
}

bool Animation::applyDesign(const std::string& key, const DesignValue& v) {
    using base::equalsNoCase;
    if (equalsNoCase(key, "AutoPlay")) AutoPlay(v.asBool());
    else if (equalsNoCase(key, "Center")) Center(v.asBool());
    else if (equalsNoCase(key, "BackStyle")) BackStyle(v.asLong());
    else return Control::applyDesign(key, v);
    return true;
}

}  // namespace qv::forms
