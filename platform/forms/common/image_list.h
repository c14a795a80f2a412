#pragma once
// ImageList: pictures by 1-based index or key, for list views and tray icons.
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/picture.h"

namespace qv::forms {

struct ListImage {
    std::string Key;
    PictureRef Picture;
    std::string Tag;
    int Index = 0;
};

class ImageList : public Control {
public:
    ImageList(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {}
    std::string_view kind() const override { return "ImageList"; }
    bool windowed() const override { return false; }
    bool shownAtRunTime() const override { return false; }

    QV_FORMS_PROPERTY(int, ImageWidth, 16)
    QV_FORMS_PROPERTY(int, ImageHeight, 16)
    QV_FORMS_PROPERTY(OleColor, MaskColor, 0xC0C0C0)

    // ListImages.Add: at the end or before index (1..Count+1); 35602 for a key in use.
    ListImage& Add(int index, const std::string& key, PictureRef picture);
    void Remove(int index);
    void Clear() { images_.clear(); }
    int Count() const { return static_cast<int>(images_.size()); }
    ListImage& operator()(int index) const;          // 35600 out of range
    ListImage& operator()(const std::string& key) const;  // 35601 absent

    bool applyDesign(const std::string& key, const DesignValue& v) override;

private:
    std::vector<std::unique_ptr<ListImage>> images_;
};

}  // namespace qv::forms
