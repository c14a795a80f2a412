#include "platform/forms/design.h"

#include <gtest/gtest.h>

namespace qv::forms {
namespace {

TEST(DesignReader, ReadsFormControlsArraysAndValueForms) {
    Design d = parseDesign(
        "# comment\n"
        "form frmTest\n"
        "  Caption = \"Say \\\"hi\\\"\\r\\n\\xE9\"\n"
        "  Width = 4800\n"
        "control CheckBox chkAct(2)\n"
        "  Value = 1\n"
        "  BackColor = &H8000000F\n"
        "  Column = \"Application\", 2000\n"
        "control PictureBox PicHiddenData\n"
        "  Data = hex:30 00 0000 ff\n");
    EXPECT_EQ(d.form.name, "frmTest");
    EXPECT_EQ(d.form.find("caption")->asText(), "Say \"hi\"\r\n\xE9");
    EXPECT_EQ(d.form.find("Width")->asLong(), 4800);
    ASSERT_EQ(d.controls.size(), 2u);
    const DesignEntry& chk = d.controls[0];
    EXPECT_EQ(chk.kind, "CheckBox");
    EXPECT_EQ(chk.name, "chkAct");
    EXPECT_EQ(chk.index, 2);
    EXPECT_TRUE(chk.find("Value")->asBool());
    EXPECT_EQ(static_cast<uint32_t>(chk.find("BackColor")->asLong()), 0x8000000Fu);
    auto col = chk.find("Column");
    ASSERT_EQ(col->parts.size(), 2u);
    EXPECT_EQ(col->parts[0], "Application");
    EXPECT_EQ(col->parts[1], "2000");
    EXPECT_EQ(d.controls[1].find("Data")->asBytes(), (std::vector<uint8_t>{0x30, 0, 0, 0, 0xFF}));
}

TEST(DesignReader, QuotedTextRoundTrips) {
    std::string raw = "a\\b\"c\r\n\t\x01\xFF end";
    Design d = parseDesign("form f\n  Caption = " + quoteDesignText(raw) + "\n");
    EXPECT_EQ(d.form.find("Caption")->asText(), raw);
}

TEST(DesignReader, MalformedDesignsNameTheirLine) {
    struct Case {
        const char* text;
        int line;
    };
    const Case cases[] = {
        {"control Label x\n", 1},                          // control before the form
        {"form f\n  Caption = \"open\n", 2},               // unterminated text
        {"form f\n  Caption\n", 2},                        // no "="
        {"form f\nCaption = 1\n", 2},                      // not indented
        {"form f\ncontrol Label a\ncontrol Label a\n", 3},  // duplicate control
        {"form f\ncontrol Label a(x)\n", 2},               // bad index
        {"form f\n  Data = hex:123\n", 2},                 // odd hex digits
        {"form f\n  Caption = \"a\\q\"\n", 2},             // unknown escape
        {"form f\n  Caption = \"a\" b\n", 2},              // text after a value
        {"form f\nform g\n", 2},                           // second form
    };
    for (const Case& c : cases) {
        try {
            parseDesign(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const DesignError& e) {
            EXPECT_EQ(e.line(), c.line) << c.text;
        }
    }
    EXPECT_THROW(parseDesign("# only a comment\n"), DesignError);
}

TEST(DesignReader, ValueConversionsRefuseTheWrongForm) {
    Design d = parseDesign("form f\n  A = \"12\"\n  B = hex:01\n  C = 99999999999\n  D = abc\n");
    EXPECT_THROW(d.form.find("A")->asLong(), DesignError);  // quoted text is no number
    EXPECT_THROW(d.form.find("B")->asText(), DesignError);
    EXPECT_THROW(d.form.find("C")->asLong(), DesignError);
    EXPECT_THROW(d.form.find("D")->asBool(), DesignError);
}

}  // namespace
}  // namespace qv::forms
