#pragma once
// ListView in report view: column headers, list items with Key, Text, SubItems, Tag, icons,
// Checked and Selected. Indexes of items and columns are 1-based. Keys are unique among the
// items (35602 for a repeated key); "" means no key.
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace qv::forms {

class ListView;
class ImageList;

class ColumnHeader {
public:
    std::string Key;
    std::string Text;
    int Width = 1440;   // twips
    int Alignment = 0;  // 0 left, 1 right, 2 centre
    std::string Tag;
    int Index() const { return index_; }

private:
    friend class ColumnHeaderList;
    int index_ = 0;
};

class ColumnHeaderList {
public:
    explicit ColumnHeaderList(ListView& owner) : owner_(&owner) {}
    // Adds at the end, or before index (1..Count+1).
    ColumnHeader& Add(int index = -1, const std::string& key = "", const std::string& text = "", int width = 1440,
                      int alignment = 0);
    void Remove(int index);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    ColumnHeader& operator()(int index) const;  // 1-based; error 35600 out of range

private:
    void renumber();
    ListView* owner_;
    std::vector<std::unique_ptr<ColumnHeader>> items_;
};

class ListItem {
public:
    const std::string& Key() const { return key_; }
    const std::string& Text() const { return text_; }
    void Text(const std::string& t);
    // SubItems(1) is the second column's text. An index below 1 or past the last column is
    // error 380; a sub-item never set reads "".
    std::string SubItems(int index) const;
    void SubItems(int index, const std::string& s);
    std::string Tag;
    int Icon = 0;
    int SmallIcon = 0;  // image index in the list view's SmallIcons image list; 0 none
    bool Checked() const { return checked_; }
    void Checked(bool c);
    bool Selected() const { return selected_; }
    void Selected(bool s);
    bool Ghosted = false;
    int Index() const { return index_; }
    ListView& ListViewOf() const { return *owner_; }

private:
    friend class ListItemList;
    friend class ListView;
    ListView* owner_ = nullptr;
    std::string key_;
    std::string text_;
    std::vector<std::string> subItems_;
    bool checked_ = false;
    bool selected_ = false;
    int index_ = 0;
};

class ListItemList {
public:
    explicit ListItemList(ListView& owner) : owner_(&owner) {}
    // Adds at the end, or before index (1..Count+1); error 35600 for another index, 35602 for a
    // key already in use.
    ListItem& Add(int index = -1, const std::string& key = "", const std::string& text = "", int icon = 0,
                  int smallIcon = 0);
    void Remove(int index);
    void Remove(const std::string& key);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    // By 1-based index (35600 out of range) or by key (35601 when absent).
    ListItem& operator()(int index) const;
    ListItem& operator()(const std::string& key) const;
    ListItem* find(const std::string& key) const;

private:
    friend class ListView;
    void renumber();
    ListView* owner_;
    std::vector<std::unique_ptr<ListItem>> items_;
};

class ListView : public Control {
public:
    ListView(Form& f, std::string name, int index = -1);
    std::string_view kind() const override { return "ListView"; }

    ColumnHeaderList& ColumnHeaders() { return columns_; }
    const ColumnHeaderList& ColumnHeaders() const { return columns_; }
    ListItemList& ListItems() { return items_; }
    const ListItemList& ListItems() const { return items_; }

    QV_FORMS_PROPERTY(int, View, 3)  // 3 report
    QV_FORMS_PROPERTY(bool, Checkboxes, false)
    QV_FORMS_PROPERTY(bool, FullRowSelect, false)
    QV_FORMS_PROPERTY(bool, GridLines, false)
    QV_FORMS_PROPERTY(bool, HideSelection, true)
    QV_FORMS_PROPERTY(bool, MultiSelect, false)
    QV_FORMS_PROPERTY(bool, HideColumnHeaders, false)
    QV_FORMS_PROPERTY(int, LabelEdit, 0)
    QV_FORMS_PROPERTY(int, BorderStyle, 1)
    ImageList* SmallIcons() const { return smallIcons_; }
    void SmallIcons(ImageList* il) { smallIcons_ = il; changed(); }
    // The selected item (the last selected when several are), or nullptr.
    ListItem* SelectedItem() const;
    int TopIndex() const { return topIndex_; }
    void TopIndex(int i) { topIndex_ = i < 1 ? 1 : i; changed(); }

    Event<ListItem&> ItemClick;
    Event<ListItem&> ItemCheck;
    Event<ColumnHeader&> ColumnClick;

    // Layout in pixels, for clicks and drawing.
    static constexpr int kHeaderPixels = 17;
    static constexpr int kRowPixels = 16;
    static constexpr int kCheckPixels = 16;
    // The item at a point within the control (twips), or nullptr.
    ListItem* itemAt(float x, float y) const;

    void mouseDown(int button, int shift, float x, float y) override;
    // Three rows a notch, the first row staying on the list.
    void mouseWheel(int notches) override;
    bool applyDesign(const std::string& key, const DesignValue& v) override;
    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;

private:
    friend class ListItem;
    void selectOnly(ListItem* item);
    ColumnHeaderList columns_{*this};
    ListItemList items_{*this};
    ImageList* smallIcons_ = nullptr;
    std::string smallIconsName_;
    int topIndex_ = 1;

public:
    void designApplied() override;
};

}  // namespace qv::forms
