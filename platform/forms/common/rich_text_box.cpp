#include "platform/forms/common/rich_text_box.h"

namespace qv::forms {

std::vector<std::string> RichTextBox::lines() const {
    std::vector<std::string> out(1);
    const std::string& t = Text();
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r' || t[i] == '\n') {
            if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
            out.emplace_back();
        } else {
            out.back() += t[i];
        }
    }
    return out;
}

}  // namespace qv::forms
