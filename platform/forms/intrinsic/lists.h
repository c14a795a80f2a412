#pragma once
// ListBox and ComboBox. Indexes are 0-based; ListIndex -1 means nothing is selected.
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace qv::forms {

// The item list both kinds share.
class ItemList {
public:
    // Adds at the end, or before index (0..ListCount); a sorted list places it in order.
    // Returns the index it took. An index out of range is error 5.
    int add(const std::string& item, int index, bool sorted);
    void remove(int index);  // error 5 out of range
    void clear() { items_.clear(); data_.clear(); }
    int count() const { return static_cast<int>(items_.size()); }
    const std::string& item(int index) const;  // error 381 out of range
    void setItem(int index, const std::string& s);
    int32_t itemData(int index) const;
    void setItemData(int index, int32_t d);
    int find(const std::string& s) const;  // exact match, -1 when absent

private:
    std::vector<std::string> items_;
    std::vector<int32_t> data_;
};

class ListBox : public Control {
public:
    ListBox(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {
        Width(1215);
        Height(1425);
        BackColor(kSysWindow);
        ForeColor(kSysWindowText);
    }
    std::string_view kind() const override { return "ListBox"; }

    void AddItem(const std::string& item, int index = -1);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const { return items_.count(); }
    const std::string& List(int index) const { return items_.item(index); }
    void List(int index, const std::string& s) { items_.setItem(index, s); changed(); }
    int32_t ItemData(int index) const { return items_.itemData(index); }
    void ItemData(int index, int32_t d) { items_.setItemData(index, d); }
    int ListIndex() const { return listIndex_; }
    // -1 .. ListCount-1 (error 380 otherwise); a change raises Click.
    void ListIndex(int i);
    // The selected item's text, "" when none.
    std::string Text() const;
    QV_FORMS_PROPERTY(bool, Sorted, false)
    QV_FORMS_PROPERTY(int, TopIndex, 0)
    // Pixels per row and of the sunken border around the rows, for clicks and drawing.
    static constexpr int kRowPixels = 13;
    static constexpr int kBorderPixels = 2;

    void mouseDown(int button, int shift, float x, float y) override;
    void mouseClick(int, float, float) override {}
    // The second press of a double click picks its row too, then DblClick.
    void mouseDblClick(int button, float x, float y) override;
    // Three rows a notch, the first row staying on the list.
    void mouseWheel(int notches) override;
    bool applyDesign(const std::string& key, const DesignValue& v) override;
    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;

private:
    int rowAt(float y) const;
    ItemList items_;
    int listIndex_ = -1;
};

// ComboBox: Style 0 drop-down with editable text, 1 simple, 2 drop-down list (text only from
// the list). Choosing an item sets Text and raises Click; editing the text raises Change.
class ComboBox : public Control {
public:
    ComboBox(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {
        Width(1215);
        Height(315);
        BackColor(kSysWindow);
        ForeColor(kSysWindowText);
    }
    std::string_view kind() const override { return "ComboBox"; }

    void AddItem(const std::string& item, int index = -1);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const { return items_.count(); }
    const std::string& List(int index) const { return items_.item(index); }
    int32_t ItemData(int index) const { return items_.itemData(index); }
    void ItemData(int index, int32_t d) { items_.setItemData(index, d); }
    int ListIndex() const { return listIndex_; }
    void ListIndex(int i);
    const std::string& Text() const { return text_; }
    // Style 0/1: any text (Change when it differs). Style 2: the text of an item, else error 383.
    void Text(const std::string& t);
    QV_FORMS_PROPERTY(int, Style, 0)
    QV_FORMS_PROPERTY(bool, Sorted, false)

    Event<> Change;
    // The user picks an item from the drop-down list.
    void choose(int index);
    // The user types into the edit part (Style 0 and 1).
    void typeText(const std::string& t);

    // The drop-down list (Style 0 and 2) while it is open, else 0: a left press on the box
    // opens it (and a second one closes it); see combo_drop_down.h.
    gui::HWnd dropDownList() const { return dropDown_; }
    void dropDownClosed(gui::HWnd list) {
        if (list == dropDown_) dropDown_ = 0;
    }

    void mouseDown(int button, int shift, float x, float y) override;
    void mouseClick(int, float, float) override {}
    // Up and Down pick the item before or after the chosen one, or steer the open list.
    void keyDown(int keyCode, int shift) override;
    bool applyDesign(const std::string& key, const DesignValue& v) override;
    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;

private:
    void dropDown();
    ItemList items_;
    int listIndex_ = -1;
    std::string text_;
    gui::HWnd dropDown_ = 0;
    // Expires with the box, so the open list never reaches a box that is gone.
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

}  // namespace qv::forms
