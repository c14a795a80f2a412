#include "controls/list_item.h"

#include <algorithm>

#include "platform/gfx/colour.h"

namespace qv::controls {

namespace {

constexpr int kXpLightening = 176;

// Makes sure array holds element index (first the array's lowest index), growing it to at
// least minimumUpper when it must be made or grown.
template <class T>
void reach(base::BasicArray<T>& array, int32_t first, int32_t index, int32_t minimumUpper) {
    const int32_t upper = std::max(index, minimumUpper);
    if (!array.dimensioned())
        array.ReDim(first, upper);
    else if (array.UBound() < index)
        array.ReDimPreserve(first, upper);
}

template <class T>
T valueAt(const base::BasicArray<T>& array, int32_t index) {
    if (!array.dimensioned() || index < array.LBound() || index > array.UBound()) return T{};
    return array(index);
}

}  // namespace

int32_t LightenColour(int32_t colour, int amount) {
    const auto value = static_cast<uint32_t>(colour);
    const gfx::Colour plain = gfx::translateColour(value);
    if (plain == gfx::kInvalidColour) return colour;
    auto channel = [amount](int c) { return std::min(255, c * (255 - amount) / 255 + amount); };
    return static_cast<int32_t>(gfx::rgb(channel(gfx::redOf(plain)), channel(gfx::greenOf(plain)),
                                         channel(gfx::blueOf(plain))));
}

int32_t clsListItem::backShade(int32_t colour) const {
    return xpColors_ ? LightenColour(colour, kXpLightening) : colour;
}

void clsListItem::Init() {
    if (subItemCount_ == -1) return;
    if (subItemCount_ < 1) {
        subIcons_.Erase();
        subTexts_.Erase();
        return;
    }
    subIcons_.ReDim(1, subItemCount_);
    subTexts_.ReDim(1, subItemCount_);
}

void clsListItem::Add(int32_t lIndex, std::string sKey, std::string sText, int32_t lIcon, int32_t /*lSmallIcon*/) {
    index_ = lIndex;
    key_ = std::move(sKey);
    text_ = std::move(sText);
    icon_ = lIcon;
}

void clsListItem::SubItem(int32_t lIndex, const std::string& sText) {
    if (lIndex < 1) return;
    if (subItemCount_ == -1) {
        subItemCount_ = lIndex;
        Init();
    } else if (lIndex > subItemCount_) {
        subItemCount_ = lIndex;
        reach(subIcons_, 1, lIndex, subItemCount_);
        reach(subTexts_, 1, lIndex, subItemCount_);
    }
    SubItemText(lIndex, sText);
}

void clsListItem::SubIcon(int32_t lIndex, int32_t lIcon) {
    if (lIndex < 1 || lIndex > subItemCount_) return;
    reach(subIcons_, 1, lIndex, subItemCount_);
    subIcons_(lIndex) = lIcon;
}

void clsListItem::SubItemIcon(int32_t lIndex, int32_t lIcon) {
    if (lIndex < 1) return;
    subItemCount_ = std::max(subItemCount_, lIndex);
    reach(subIcons_, 1, lIndex, subItemCount_);
    subIcons_(lIndex) = lIcon;
}

void clsListItem::SubItemText(int32_t lIndex, const std::string& sText) {
    if (lIndex < 1) return;
    subItemCount_ = std::max(subItemCount_, lIndex);
    reach(subTexts_, 1, lIndex, subItemCount_);
    subTexts_(lIndex) = sText;
}

int32_t clsListItem::SubItemIcon(int32_t lIndex) const { return valueAt(subIcons_, lIndex); }
std::string clsListItem::SubItemText(int32_t lIndex) const { return valueAt(subTexts_, lIndex); }

void clsListItem::BackColor(int32_t PropVal) { backColor_ = backShade(PropVal); }

void clsListItem::CellBackColor(int32_t lCell, int32_t PropVal) {
    if (lCell < 0) return;
    reach(cellBack_, 0, lCell, lCell);
    cellBack_(lCell) = backShade(PropVal);
}

void clsListItem::CellForeColor(int32_t lCell, int32_t PropVal) {
    if (lCell < 0) return;
    reach(cellFore_, 0, lCell, lCell);
    cellFore_(lCell) = PropVal;
}

int32_t clsListItem::CellBackColor(int32_t lCell) const { return valueAt(cellBack_, lCell); }
int32_t clsListItem::CellForeColor(int32_t lCell) const { return valueAt(cellFore_, lCell); }

}  // namespace qv::controls
