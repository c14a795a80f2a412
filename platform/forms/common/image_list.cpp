#include "platform/forms/common/image_list.h"

#include "platform/base/basic_error.h"
#include "platform/base/text.h"

namespace qv::forms {

using base::BasicError;

ListImage& ImageList::Add(int index, const std::string& key, PictureRef picture) {
    if (index == -1) index = Count() + 1;
    if (index < 1 || index > Count() + 1) throw BasicError(35600, "Index out of bounds");
    for (auto& i : images_)
        if (!key.empty() && i->Key == key) throw BasicError(35602, "Key is not unique in collection");
    auto img = std::make_unique<ListImage>();
    img->Key = key;
    img->Picture = std::move(picture);
    ListImage& ref = *img;
    images_.insert(images_.begin() + (index - 1), std::move(img));
    for (size_t i = 0; i < images_.size(); ++i) images_[i]->Index = static_cast<int>(i) + 1;
    return ref;
}

void ImageList::Remove(int index) {
    if (index < 1 || index > Count()) throw BasicError(35600, "Index out of bounds");
    images_.erase(images_.begin() + (index - 1));
    for (size_t i = 0; i < images_.size(); ++i) images_[i]->Index = static_cast<int>(i) + 1;
}

ListImage& ImageList::operator()(int index) const {
    if (index < 1 || index > Count()) throw BasicError(35600, "Index out of bounds");
    return *images_[index - 1];
}

ListImage& ImageList::operator()(const std::string& key) const {
    for (auto& i : images_)
        if (i->Key == key && !key.empty()) return *i;
    throw BasicError(35601, "Element not found");
}

bool ImageList::applyDesign(const std::string& key, const DesignValue& v) {
    using base::equalsNoCase;
    if (equalsNoCase(key, "Image")) {
        // Image = "file", "key"
        Add(-1, v.parts.size() > 1 ? v.parts[1] : std::string(), loadDesignPicture(v));
    } else if (equalsNoCase(key, "ImageWidth")) ImageWidth(v.asLong());
    else if (equalsNoCase(key, "ImageHeight")) ImageHeight(v.asLong());
    else if (equalsNoCase(key, "MaskColor")) MaskColor(static_cast<OleColor>(v.asLong()));
    else return Control::applyDesign(key, v);
    return true;
}

}  // namespace qv::forms
