#include "platform/forms/intrinsic/label.h"

#include "platform/base/text.h"

namespace qv::forms {

bool Label::applyDesign(const std::string& key, const DesignValue& v) {
    using base::equalsNoCase;
    if (equalsNoCase(key, "Caption")) Caption(v.asText());
    else if (equalsNoCase(key, "Alignment")) Alignment(v.asLong());
    else if (equalsNoCase(key, "BackStyle")) BackStyle(v.asLong());
    else if (equalsNoCase(key, "BorderStyle")) BorderStyle(v.asLong());
    else if (equalsNoCase(key, "AutoSize")) AutoSize(v.asBool());
    else if (equalsNoCase(key, "WordWrap")) WordWrap(v.asBool());
    else if (equalsNoCase(key, "UseMnemonic")) UseMnemonic(v.asBool());
    else return Control::applyDesign(key, v);
    return true;
}

}  // namespace qv::forms
