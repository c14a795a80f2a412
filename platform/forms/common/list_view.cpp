#include "platform/forms/common/list_view.h"

#include <algorithm>

#include "platform/base/basic_error.h"
#include "platform/base/convert.h"
#include "platform/base/text.h"
#include "platform/forms/common/image_list.h"
#include "platform/forms/form.h"

namespace qv::forms {

using base::BasicError;

namespace {
[[noreturn]] void outOfBounds() { throw BasicError(35600, "Index out of bounds"); }
}  // namespace

ColumnHeader& ColumnHeaderList::Add(int index, const std::string& key, const std::string& text, int width,
                                    int alignment) {
    if (index == -1) index = Count() + 1;
    if (index < 1 || index > Count() + 1) outOfBounds();
    auto c = std::make_unique<ColumnHeader>();
    c->Key = key;
    c->Text = text;
    c->Width = width;
    c->Alignment = alignment;
    ColumnHeader& ref = *c;
    items_.insert(items_.begin() + (index - 1), std::move(c));
    renumber();
    owner_->Refresh();
    return ref;
}

void ColumnHeaderList::Remove(int index) {
    if (index < 1 || index > Count()) outOfBounds();
    items_.erase(items_.begin() + (index - 1));
    renumber();
    owner_->Refresh();
}

void ColumnHeaderList::Clear() {
    items_.clear();
    owner_->Refresh();
}

ColumnHeader& ColumnHeaderList::operator()(int index) const {
    if (index < 1 || index > Count()) outOfBounds();
    return *items_[index - 1];
}

void ColumnHeaderList::renumber() {
    for (size_t i = 0; i < items_.size(); ++i) items_[i]->index_ = static_cast<int>(i) + 1;
}

void ListItem::Text(const std::string& t) {
    text_ = t;
    owner_->Refresh();
}

std::string ListItem::SubItems(int index) const {
    if (index < 1 || index >= owner_->ColumnHeaders().Count()) throw BasicError(380, "Invalid property value");
    return static_cast<size_t>(index) <= subItems_.size() ? subItems_[index - 1] : std::string();
}

void ListItem::SubItems(int index, const std::string& s) {
    if (index < 1 || index >= owner_->ColumnHeaders().Count()) throw BasicError(380, "Invalid property value");
    if (subItems_.size() < static_cast<size_t>(index)) subItems_.resize(index);
    subItems_[index - 1] = s;
    owner_->Refresh();
}

void ListItem::Checked(bool c) {
    checked_ = c;
    owner_->Refresh();
}

void ListItem::Selected(bool s) {
    if (s && !owner_->MultiSelect()) {
        owner_->selectOnly(this);
        return;
    }
    selected_ = s;
    owner_->Refresh();
}

ListItem& ListItemList::Add(int index, const std::string& key, const std::string& text, int icon, int smallIcon) {
    if (index == -1) index = Count() + 1;
    if (index < 1 || index > Count() + 1) outOfBounds();
    if (!key.empty() && find(key) != nullptr) throw BasicError(35602, "Key is not unique in collection");
    auto item = std::make_unique<ListItem>();
    item->owner_ = owner_;
    item->key_ = key;
    item->text_ = text;
    item->Icon = icon;
    item->SmallIcon = smallIcon;
    ListItem& ref = *item;
    items_.insert(items_.begin() + (index - 1), std::move(item));
    renumber();
    owner_->Refresh();
    return ref;
}

void ListItemList::Remove(int index) {
    if (index < 1 || index > Count()) outOfBounds();
    items_.erase(items_.begin() + (index - 1));
    renumber();
    owner_->Refresh();
}

void ListItemList::Remove(const std::string& key) { Remove((*this)(key).Index()); }

void ListItemList::Clear() {
    items_.clear();
    owner_->Refresh();
}

ListItem& ListItemList::operator()(int index) const {
    if (index < 1 || index > Count()) outOfBounds();
    return *items_[index - 1];
}

ListItem& ListItemList::operator()(const std::string& key) const {
    ListItem* item = find(key);
    if (item == nullptr) throw BasicError(35601, "Element not found");
    return *item;
}

ListItem* ListItemList::find(const std::string& key) const {
    if (key.empty()) return nullptr;
    for (auto& i : items_)
        if (i->key_ == key) return i.get();
    return nullptr;
}

void ListItemList::renumber() {
    for (size_t i = 0; i < items_.size(); ++i) items_[i]->index_ = static_cast<int>(i) + 1;
}

ListView::ListView(Form& f, std::string name, int index) : Control(f, std::move(name), index) {
    Width(3000);
    Height(2000);
    BackColor(kSysWindow);
    ForeColor(kSysWindowText);
}

ListItem* ListView::SelectedItem() const {
    ListItem* last = nullptr;
    for (int i = 1; i <= items_.Count(); ++i)
        if (items_(i).Selected()) last = &items_(i);
    return last;
}

void ListView::selectOnly(ListItem* item) {
    for (int i = 1; i <= items_.Count(); ++i) items_(i).selected_ = &items_(i) == item;
    Refresh();
}

ListItem* ListView::itemAt(float x, float y) const {
    (void)x;
    int py = twipsToPixels(y) - (HideColumnHeaders() ? 0 : kHeaderPixels) - 2;
    if (py < 0) return nullptr;
    int row = topIndex_ + py / kRowPixels;
    if (row < 1 || row > items_.Count()) return nullptr;
    return &items_(row);
}

void ListView::mouseDown(int button, int shift, float x, float y) {
    ListItem* item = itemAt(x, y);
    if (item != nullptr) {
        if (Checkboxes() && button == kLeftButton && twipsToPixels(x) < kCheckPixels + 2) {
            item->Checked(!item->Checked());
            ItemCheck(*item);
        }
        if (!MultiSelect() || (shift & kCtrlMask) == 0) selectOnly(item);
        else item->Selected(!item->Selected());
    } else if (!HideColumnHeaders() && twipsToPixels(y) < kHeaderPixels + 2) {
        int px = twipsToPixels(x);
        for (int c = 1; c <= columns_.Count(); ++c) {
            px -= twipsToPixels(columns_(c).Width);
            if (px < 0) {
                ColumnClick(columns_(c));
                break;
            }
        }
    }
    Control::mouseDown(button, shift, x, y);
    // The item was hit by this press: ItemClick after MouseDown, as the user sees it selected.
    if (item != nullptr && button == kLeftButton) ItemClick(*item);
}

void ListView::mouseWheel(int notches) {
    const int top = std::clamp(topIndex_ - 3 * notches, 1, std::max(1, items_.Count()));
    if (top != topIndex_) TopIndex(top);
}

bool ListView::applyDesign(const std::string& key, const DesignValue& v) {
    using base::equalsNoCase;
    if (equalsNoCase(key, "Column")) {
        // Column = "Text", width[, alignment]
        int width = v.parts.size() > 1 ? static_cast<int>(base::Val(v.parts[1])) : 1440;
        int align = v.parts.size() > 2 ? static_cast<int>(base::Val(v.parts[2])) : 0;
        columns_.Add(-1, "", v.asText(), width, align);
    } else if (equalsNoCase(key, "View")) View(v.asLong());
    else if (equalsNoCase(key, "Checkboxes")) Checkboxes(v.asBool());
    else if (equalsNoCase(key, "FullRowSelect")) FullRowSelect(v.asBool());
    else if (equalsNoCase(key, "GridLines")) GridLines(v.asBool());
    else if (equalsNoCase(key, "HideSelection")) HideSelection(v.asBool());
    else if (equalsNoCase(key, "MultiSelect")) MultiSelect(v.asBool());
    else if (equalsNoCase(key, "HideColumnHeaders")) HideColumnHeaders(v.asBool());
    else if (equalsNoCase(key, "LabelEdit")) LabelEdit(v.asLong());
    else if (equalsNoCase(key, "BorderStyle")) BorderStyle(v.asLong());
    else if (equalsNoCase(key, "SmallIcons")) smallIconsName_ = v.asText();
    else return Control::applyDesign(key, v);
    return true;
}

void ListView::designApplied() {
    if (smallIconsName_.empty()) return;
    auto* il = dynamic_cast<ImageList*>(Parent().findControl(smallIconsName_));
    if (il == nullptr) throw DesignError(0, Name() + ": no image list " + smallIconsName_);
    smallIcons_ = il;
}

}  // namespace qv::forms
