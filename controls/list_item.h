#pragma once
// clsListItem: one row of a list view kept apart from any control: index, key, text and icon,
// sub-item texts and icons (1..SubItemCount), row and per-cell colours (cells from 0), a font,
// and XPColors, which lightens the back colours as they are assigned. -1 as a colour means none.
//
// The indexed members never raise errors: a Get outside what is stored gives 0 or "", a Let of
// an index below the first (1 for sub-items, 0 for cells) stores nothing. Arrays only grow, so a
// Let never drops cells or sub-items stored before.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/base/basic_array.h"
#include "platform/forms/types.h"

namespace qv::controls {

class clsListItem {
public:
    // Makes the sub-item icon and text arrays anew for 1..SubItemCount (none when below 1);
    // nothing while SubItemCount is -1.
    void Init();
    void Add(int32_t lIndex, std::string sKey, std::string sText, int32_t lIcon, int32_t lSmallIcon);
    // Sub-item text lIndex := sText, raising SubItemCount to lIndex when it is below.
    void SubItem(int32_t lIndex, const std::string& sText);
    // Sub-item icon lIndex := lIcon when lIndex is within SubItemCount.
    void SubIcon(int32_t lIndex, int32_t lIcon);

    int32_t BackColor() const { return backColor_; }
    void BackColor(int32_t PropVal);
    int32_t CellBackColor(int32_t lCell) const;
    void CellBackColor(int32_t lCell, int32_t PropVal);
    bool CellCustom() const { return cellCustom_; }
    void CellCustom(bool PropVal) { cellCustom_ = PropVal; }
    int32_t CellForeColor(int32_t lCell) const;
    void CellForeColor(int32_t lCell, int32_t PropVal);
    const std::shared_ptr<forms::StdFont>& Font() const { return font_; }
    void Font(std::shared_ptr<forms::StdFont> PropVal) { font_ = std::move(PropVal); }
    int32_t ForeColor() const { return foreColor_; }
    void ForeColor(int32_t PropVal) { foreColor_ = PropVal; }
    const std::string& Key() const { return key_; }
    void Key(std::string PropVal) { key_ = std::move(PropVal); }
    int32_t Icon() const { return icon_; }
    void Icon(int32_t PropVal) { icon_ = PropVal; }
    int32_t Index() const { return index_; }
    void Index(int32_t PropVal) { index_ = PropVal; }
    int32_t SubItemCount() const { return subItemCount_; }
    void SubItemCount(int32_t PropVal) { subItemCount_ = PropVal; }
    const std::string& Text() const { return text_; }
    void Text(std::string PropVal) { text_ = std::move(PropVal); }
    int32_t SubItemIcon(int32_t lIndex) const;
    void SubItemIcon(int32_t lIndex, int32_t lIcon);
    std::string SubItemText(int32_t lIndex) const;
    void SubItemText(int32_t lIndex, const std::string& sText);
    bool XPColors() const { return xpColors_; }
    void XPColors(bool PropVal) { xpColors_ = PropVal; }

private:
    int32_t backShade(int32_t colour) const;

    int32_t index_ = 0;
    std::string key_;
    std::string text_;
    int32_t icon_ = 0;
    int32_t subItemCount_ = -1;
    int32_t backColor_ = -1;
    int32_t foreColor_ = -1;
    bool cellCustom_ = false;
    bool xpColors_ = false;
    std::shared_ptr<forms::StdFont> font_;
    base::BasicArray<int32_t> subIcons_;
    base::BasicArray<std::string> subTexts_;
    base::BasicArray<int32_t> cellBack_;
    base::BasicArray<int32_t> cellFore_;
};

// A colour lightened toward white by amount (0..255): each channel c becomes
// c * (255 - amount) / 255 + amount. -1 (no colour) and values that name no colour stay as they
// are; a system colour is lightened as the colour it names.
int32_t LightenColour(int32_t colour, int amount);

}  // namespace qv::controls
