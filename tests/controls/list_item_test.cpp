#include "controls/list_item.h"

#include <gtest/gtest.h>

namespace qv::controls {
namespace {

TEST(ListItem, StartsEmptyAndAddSetsTheRow) {
    clsListItem item;
    EXPECT_EQ(item.SubItemCount(), -1);
    EXPECT_EQ(item.BackColor(), -1);
    EXPECT_EQ(item.ForeColor(), -1);
    EXPECT_EQ(item.Font(), nullptr);
    EXPECT_EQ(item.SubItemText(1), "") << "nothing stored reads as empty";
    EXPECT_EQ(item.CellForeColor(0), 0);

    item.Add(4, "k4", "browser.exe", 5, 9);
    EXPECT_EQ(item.Index(), 4);
    EXPECT_EQ(item.Key(), "k4");
    EXPECT_EQ(item.Text(), "browser.exe");
    EXPECT_EQ(item.Icon(), 5);
}

TEST(ListItem, SubItemsMadeOnFirstUseAndGrownKeepingThem) {
    clsListItem item;
    item.SubItem(3, "third");
    EXPECT_EQ(item.SubItemCount(), 3);
    EXPECT_EQ(item.SubItemText(3), "third");
    item.SubIcon(2, 7);
    EXPECT_EQ(item.SubItemIcon(2), 7) << "sub-items 1..3 exist, icons too";

    item.SubIcon(5, 9);
    EXPECT_EQ(item.SubItemCount(), 3) << "SubIcon beyond the count stores nothing";
    EXPECT_EQ(item.SubItemIcon(5), 0);

    item.SubItem(5, "fifth");
    EXPECT_EQ(item.SubItemCount(), 5);
    EXPECT_EQ(item.SubItemText(3), "third") << "growing keeps what was there";
    EXPECT_EQ(item.SubItemIcon(2), 7);
    EXPECT_EQ(item.SubItemText(5), "fifth");

    item.SubItem(0, "none");
    item.SubItemText(-2, "none");
    EXPECT_EQ(item.SubItemCount(), 5) << "sub-items count from 1";
}

TEST(ListItem, IndexedLetsOnArraysNotYetMadeMakeThemFirst) {
    struct Case {
        const char* what;
        void (*let)(clsListItem&);
        bool (*stored)(const clsListItem&);
    };
    const Case cases[] = {
        {"SubItemText", [](clsListItem& i) { i.SubItemText(2, "two"); },
         [](const clsListItem& i) { return i.SubItemText(2) == "two"; }},
        {"SubItemIcon", [](clsListItem& i) { i.SubItemIcon(2, 6); },
         [](const clsListItem& i) { return i.SubItemIcon(2) == 6; }},
        {"SubIcon after a count set by hand", [](clsListItem& i) { i.SubItemCount(4); i.SubIcon(2, 6); },
         [](const clsListItem& i) { return i.SubItemIcon(2) == 6; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clsListItem item;
        c.let(item);
        EXPECT_TRUE(c.stored(item));
        EXPECT_GE(item.SubItemCount(), 2);
    }
    // Making one array leaves what the other holds.
    clsListItem item;
    item.SubItemText(3, "three");
    item.SubItemIcon(3, 8);
    EXPECT_EQ(item.SubItemText(3), "three");
    EXPECT_EQ(item.SubItemIcon(3), 8);
}

TEST(ListItem, CellColoursOnlyGrow) {
    clsListItem item;
    item.CellForeColor(5, 0x00FF00);
    item.CellForeColor(4, 0x0000FF);
    item.CellForeColor(2, 0xFF0000);
    EXPECT_EQ(item.CellForeColor(5), 0x00FF00) << "a lower cell keeps the higher ones";
    EXPECT_EQ(item.CellForeColor(4), 0x0000FF);
    EXPECT_EQ(item.CellForeColor(2), 0xFF0000);
    EXPECT_EQ(item.CellForeColor(3), 0);
    EXPECT_EQ(item.CellForeColor(6), 0);

    item.CellBackColor(0, 0x123456);
    item.CellBackColor(-1, 0x111111);
    EXPECT_EQ(item.CellBackColor(0), 0x123456);
    EXPECT_EQ(item.CellBackColor(-1), 0);
}

TEST(ListItem, XPColorsLightenBackColoursOnly) {
    struct Case {
        int32_t assigned, stored;
    };
    const Case cases[] = {
        {0x0000FF, 0xB0B0FF},          // red 255, green and blue 176
        {0x000000, 0xB0B0B0},          // black
        {0xFFFFFF, 0xFFFFFF},          // white stays white
        {0x408000, 0xC3D7B0},          // 0x80 -> 215, 0x40 -> 195
        {-1, -1},                      // no colour stays no colour
        {static_cast<int32_t>(0x8000000F), 0xEBEBEB},  // button face, lightened as it shows
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.assigned);
        clsListItem item;
        item.XPColors(true);
        item.BackColor(c.assigned);
        item.CellBackColor(2, c.assigned);
        item.CellForeColor(2, c.assigned);
        EXPECT_EQ(item.BackColor(), c.stored);
        EXPECT_EQ(item.CellBackColor(2), c.stored);
        EXPECT_EQ(item.CellForeColor(2), c.assigned) << "fore colours are never lightened";
    }
    clsListItem plain;
    plain.BackColor(0x0000FF);
    EXPECT_EQ(plain.BackColor(), 0x0000FF);
}

}  // namespace
}  // namespace qv::controls
