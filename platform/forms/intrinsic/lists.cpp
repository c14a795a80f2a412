#include "platform/forms/intrinsic/lists.h"

#include <algorithm>

#include "platform/base/basic_error.h"
#include "platform/base/text.h"
#include "platform/forms/intrinsic/combo_drop_down.h"
#include "platform/gui/messages.h"

namespace qv::forms {

using base::BasicError;
using base::equalsNoCase;

int ItemList::add(const std::string& item, int index, bool sorted) {
    if (index < -1 || index > count()) throw BasicError(5, "Invalid procedure call or argument");
    if (index == -1) {
        index = count();
        if (sorted) {
            index = 0;
            while (index < count() && base::LCase(items_[index]) <= base::LCase(item)) ++index;
        }
    }
    items_.insert(items_.begin() + index, item);
    data_.insert(data_.begin() + index, 0);
    return index;
}

void ItemList::remove(int index) {
    if (index < 0 || index >= count()) throw BasicError(5, "Invalid procedure call or argument");
    items_.erase(items_.begin() + index);
    data_.erase(data_.begin() + index);
}

const std::string& ItemList::item(int index) const {
    static const std::string empty;
    if (index == -1 || index == count()) return empty;  // reading one past the ends gives ""
    if (index < -1 || index > count()) throw BasicError(381, "Invalid property array index");
    return items_[index];
}

void ItemList::setItem(int index, const std::string& s) {
    if (index < 0 || index >= count()) throw BasicError(381, "Invalid property array index");
    items_[index] = s;
}

int32_t ItemList::itemData(int index) const {
    if (index < 0 || index >= count()) throw BasicError(381, "Invalid property array index");
    return data_[index];
}

void ItemList::setItemData(int index, int32_t d) {
    if (index < 0 || index >= count()) throw BasicError(381, "Invalid property array index");
    data_[index] = d;
}

int ItemList::find(const std::string& s) const {
    for (int i = 0; i < count(); ++i)
        if (items_[i] == s) return i;
    return -1;
}

void ListBox::AddItem(const std::string& item, int index) {
    int at = items_.add(item, index, Sorted());
    if (listIndex_ >= at) ++listIndex_;
    changed();
}

void ListBox::RemoveItem(int index) {
    items_.remove(index);
    if (listIndex_ == index) listIndex_ = -1;
    else if (listIndex_ > index) --listIndex_;
    changed();
}

void ListBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    changed();
}

void ListBox::ListIndex(int i) {
    if (i < -1 || i >= ListCount()) throw BasicError(380, "Invalid property value");
    if (i == listIndex_) return;
    listIndex_ = i;
    changed();
    Click();
}

std::string ListBox::Text() const { return listIndex_ < 0 ? std::string() : items_.item(listIndex_); }

int ListBox::rowAt(float y) const {
    // Rows begin inside the sunken border, as they are drawn.
    const int inside = static_cast<int>(y) - pixelsToTwips(kBorderPixels);
    if (inside < 0) return -1;
    const int row = TopIndex() + inside / pixelsToTwips(kRowPixels);
    return row < ListCount() ? row : -1;
}

void ListBox::mouseDown(int button, int shift, float x, float y) {
    if (const int row = rowAt(y); row >= 0) ListIndex(row);
    Control::mouseDown(button, shift, x, y);
}

void ListBox::mouseDblClick(int button, float x, float y) {
    if (const int row = rowAt(y); row >= 0) ListIndex(row);
    Control::mouseDblClick(button, x, y);
}

void ListBox::mouseWheel(int notches) {
    const int top = std::clamp(TopIndex() - 3 * notches, 0, std::max(0, ListCount() - 1));
    if (top != TopIndex()) TopIndex(top);
}

bool ListBox::applyDesign(const std::string& key, const DesignValue& v) {
    if (equalsNoCase(key, "List")) items_.add(v.asText(), -1, false);
    else if (equalsNoCase(key, "Sorted")) Sorted(v.asBool());
    else return Control::applyDesign(key, v);
    return true;
}

void ComboBox::AddItem(const std::string& item, int index) {
    int at = items_.add(item, index, Sorted());
    if (listIndex_ >= at) ++listIndex_;
    changed();
}

void ComboBox::RemoveItem(int index) {
    items_.remove(index);
    if (listIndex_ == index) listIndex_ = -1;
    else if (listIndex_ > index) --listIndex_;
    changed();
}

void ComboBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    if (!text_.empty()) {
        text_.clear();
        if (Style() != 2) Change();
    }
    changed();
}

void ComboBox::ListIndex(int i) {
    if (i < -1 || i >= ListCount()) throw BasicError(380, "Invalid property value");
    if (i == listIndex_) return;
    listIndex_ = i;
    text_ = i < 0 ? std::string() : items_.item(i);
    changed();
    Click();
}

void ComboBox::Text(const std::string& t) {
    if (Style() == 2) {
        int i = items_.find(t);
        if (i < 0 && !t.empty()) throw BasicError(383, "'Text' property is read-only");
        ListIndex(i);
        return;
    }
    listIndex_ = items_.find(t);
    if (t == text_) return;
    text_ = t;
    changed();
    Change();
}

void ComboBox::choose(int index) {
    if (index < 0 || index >= ListCount()) return;
    listIndex_ = -2;  // a choice raises Click even for the item already chosen
    ListIndex(index);
}

void ComboBox::typeText(const std::string& t) {
    if (Style() == 2 || !Enabled()) return;
    Text(text_ + t);
}

void ComboBox::mouseDown(int button, int /*shift*/, float /*x*/, float /*y*/) {
    if (button != kLeftButton || Style() == 1 || !enabledOnForm()) return;
    if (dropDown_ != 0) return closeComboDropDown(dropDown_);
    dropDown();
}

void ComboBox::dropDown() {
    if (dropDown_ == 0) dropDown_ = openComboDropDown(*this, life_);
}

void ComboBox::keyDown(int keyCode, int /*shift*/) {
    if (dropDown_ != 0) return comboDropDownKey(dropDown_, keyCode);
    if (Style() == 1 || !enabledOnForm() || ListCount() == 0) return;
    if (keyCode == gui::VK_UP && listIndex_ > 0) ListIndex(listIndex_ - 1);
    if (keyCode == gui::VK_DOWN && listIndex_ < ListCount() - 1) ListIndex(listIndex_ + 1);
}

bool ComboBox::applyDesign(const std::string& key, const DesignValue& v) {
    if (equalsNoCase(key, "List")) items_.add(v.asText(), -1, false);
    else if (equalsNoCase(key, "Text")) text_ = v.asText();
    else if (equalsNoCase(key, "Style")) Style(v.asLong());
    else if (equalsNoCase(key, "Sorted")) Sorted(v.asBool());
    else return Control::applyDesign(key, v);
    return true;
}

}  // namespace qv::forms
