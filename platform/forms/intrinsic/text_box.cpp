#include "platform/forms/intrinsic/text_box.h"

#include <algorithm>

#include "platform/base/text.h"

namespace qv::forms {

void TextBox::Text(const std::string& t) {
    // MaxLength limits typing only; code may set any text.
    if (t == text_) return;
    text_ = t;
    selStart_ = std::min(selStart_, static_cast<int>(text_.size()));
    selLength_ = 0;
    changed();
    Change();
}

void TextBox::SelStart(int s) {
    selStart_ = std::clamp(s, 0, static_cast<int>(text_.size()));
    selLength_ = 0;
}

void TextBox::SelLength(int n) {
    selLength_ = std::clamp(n, 0, static_cast<int>(text_.size()) - selStart_);
}

std::string TextBox::SelText() const { return text_.substr(selStart_, selLength_); }

void TextBox::SelText(const std::string& s) {
    std::string t = text_.substr(0, selStart_) + s + text_.substr(selStart_ + selLength_);
    int caret = selStart_ + static_cast<int>(s.size());
    Text(t);
    selStart_ = std::min(caret, static_cast<int>(text_.size()));
    selLength_ = 0;
}

void TextBox::typeText(const std::string& keys) {
    for (char ch : keys) {
        int key = static_cast<unsigned char>(ch);
        KeyPress(key);
        if (key == 0 || Locked() || !Enabled()) continue;
        if (key == 8) {
            if (selLength_ == 0 && selStart_ > 0) {
                --selStart_;
                selLength_ = 1;
            }
            SelText("");
            continue;
        }
        if (key == 13) {
            if (!MultiLine()) continue;
            if (MaxLength() > 0 && static_cast<int>(text_.size()) - selLength_ + 2 > MaxLength()) continue;
            SelText("\r\n");
            continue;
        }
        if (MaxLength() > 0 && static_cast<int>(text_.size()) - selLength_ + 1 > MaxLength()) continue;
        SelText(std::string(1, static_cast<char>(key)));
    }
}

bool TextBox::applyDesign(const std::string& key, const DesignValue& v) {
    using base::equalsNoCase;
    if (equalsNoCase(key, "Text")) text_ = v.asText();
    else if (equalsNoCase(key, "MultiLine")) MultiLine(v.asBool());
    else if (equalsNoCase(key, "Locked")) Locked(v.asBool());
    else if (equalsNoCase(key, "MaxLength")) MaxLength(v.asLong());
    else if (equalsNoCase(key, "PasswordChar")) PasswordChar(v.asText());
    else if (equalsNoCase(key, "ScrollBars")) ScrollBars(v.asLong());
    else if (equalsNoCase(key, "Alignment")) Alignment(v.asLong());
    else if (equalsNoCase(key, "BorderStyle")) BorderStyle(v.asLong());
    else return Control::applyDesign(key, v);
    return true;
}

}  // namespace qv::forms
