#include "platform/forms/intrinsic/buttons.h"

#include "platform/base/basic_error.h"
#include "platform/base/text.h"
#include "platform/forms/form.h"

namespace qv::forms {

using base::equalsNoCase;

void CheckBox::Value(int v) {
    if (v < 0 || v > 2) throw base::BasicError(380, "Invalid property value");
    if (v == value_) return;
    value_ = v;
    changed();
    Click();
}

void CheckBox::mouseClick(int button, float, float) {
    if (button != kLeftButton) return;
    Value(value_ == 1 ? 0 : 1);  // raises Click
}

bool CheckBox::applyDesign(const std::string& key, const DesignValue& v) {
    if (equalsNoCase(key, "Caption")) Caption(v.asText());
    else if (equalsNoCase(key, "Alignment")) Alignment(v.asLong());
    else if (equalsNoCase(key, "Value")) {
        int n = v.asLong();
        if (n < 0 || n > 2) throw DesignError(v.line, "a check box value is 0, 1 or 2");
        value_ = n;
    } else return Control::applyDesign(key, v);
    return true;
}

void OptionButton::Value(bool v) {
    if (!v) {
        if (value_) {
            value_ = false;
            changed();
        }
        return;
    }
    for (Control* c : Parent().Controls()) {
        auto* o = dynamic_cast<OptionButton*>(c);
        if (o != nullptr && o != this && o->Container() == Container() && o->value_) {
            o->value_ = false;
            o->changed();
        }
    }
    if (value_) return;
    value_ = true;
    changed();
    Click();
}

void OptionButton::mouseClick(int button, float, float) {
    if (button != kLeftButton) return;
    Value(true);
}

bool OptionButton::applyDesign(const std::string& key, const DesignValue& v) {
    if (equalsNoCase(key, "Caption")) Caption(v.asText());
    else if (equalsNoCase(key, "Alignment")) Alignment(v.asLong());
    else if (equalsNoCase(key, "Value")) value_ = v.asBool();
    else return Control::applyDesign(key, v);
    return true;
}

void CommandButton::mouseClick(int button, float, float) {
    if (button == kLeftButton) Click();
}

void CommandButton::keyDown(int keyCode, int) {
    constexpr int kReturn = 13, kEscape = 27, kSpace = 32;
    if (keyCode == kReturn || keyCode == kSpace) {
        Click();
        return;
    }
    if (keyCode != kEscape) return;
    for (Control* c : Parent().Controls()) {
        auto* b = dynamic_cast<CommandButton*>(c);
        if (b != nullptr && b->Cancel() && b->enabledOnForm()) {
            b->Click();
            return;
        }
    }
}

bool CommandButton::applyDesign(const std::string& key, const DesignValue& v) {
    if (equalsNoCase(key, "Caption")) Caption(v.asText());
    else if (equalsNoCase(key, "Default")) Default(v.asBool());
    else if (equalsNoCase(key, "Cancel")) Cancel(v.asBool());
    else if (equalsNoCase(key, "Style")) Style(v.asLong());
    else return Control::applyDesign(key, v);
    return true;
}

}  // namespace qv::forms
