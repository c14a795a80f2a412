#include "platform/forms/msgbox.h"

#include <gtest/gtest.h>

namespace qv::forms {
namespace {

class MsgBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        setPrompter(&script);
        setAppTitle("Quarvelin - personal firewall and monito");
    }
    void TearDown() override { setPrompter(nullptr); }
    ScriptedPrompter script;
};

TEST_F(MsgBoxTest, StylesGiveButtonsIconAndDefault) {
    struct Case {
        int style;
        std::vector<int> buttons;
        int def;
        int icon;
    };
    const Case cases[] = {
        {0, {vbOK}, vbOK, 0},
        {48, {vbOK}, vbOK, vbExclamation},
        {64, {vbOK}, vbOK, vbInformation},
        {324, {vbYes, vbNo}, vbNo, vbInformation},  // Yes/No, information, second button default
        {vbYesNoCancel + vbDefaultButton3, {vbYes, vbNo, vbCancel}, vbCancel, 0},
        {vbOKOnly + vbDefaultButton3, {vbOK}, vbOK, 0},  // a default past the buttons is the first
    };
    for (const Case& c : cases) {
        MessageBoxRequest r{"t", "x", c.style};
        EXPECT_EQ(r.buttons(), c.buttons) << c.style;
        EXPECT_EQ(r.defaultButton(), c.def) << c.style;
        EXPECT_EQ(r.icon(), c.icon) << c.style;
    }
}

TEST_F(MsgBoxTest, ReturnsTheAnswerWithTheProgramTitleAsDefault) {
    script.answers = {vbYes, vbOK};
    EXPECT_EQ(MsgBox("Are you sure to quit?", 324, "Warning!"), vbYes);
    // An answer the box does not offer counts as its default button.
    EXPECT_EQ(MsgBox("Please choose security action!", 64), vbOK);
    EXPECT_EQ(MsgBox("again", 324), vbNo) << "unscripted: the default button";
    ASSERT_EQ(script.boxes.size(), 3u);
    EXPECT_EQ(script.boxes[0].title, "Warning!");
    EXPECT_EQ(script.boxes[1].title, "Quarvelin - personal firewall and monito");
    EXPECT_EQ(script.boxes[1].text, "Please choose security action!");
}

}  // namespace
}  // namespace qv::forms
