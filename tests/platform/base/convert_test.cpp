#include "platform/base/convert.h"

#include <gtest/gtest.h>

#include "platform/base/basic_error.h"

using namespace qv::base;

TEST(Rounding, HalfToEvenTable) {
    struct Case {
        double in;
        int32_t out;
    } cases[] = {{0.5, 0},  {1.5, 2},   {2.5, 2},   {-2.5, -2}, {-0.5, 0}, {3.5, 4},
                 {2.49, 2}, {2.51, 3},  {-1.5, -2}, {7, 7},     {-7.6, -8}};
    for (const auto& c : cases) EXPECT_EQ(CLng(c.in), c.out) << c.in;
}

TEST(Conversions, ValTakesTheLeadingNumber) {
    struct Case {
        const char* in;
        double out;
    } cases[] = {{"12abc", 12}, {"abc", 0},   {"", 0},        {" 1 2 3", 123}, {"-4.5x", -4.5},
                 {"1e3", 1000}, {"1e", 1},    {"&HFF", 255},  {"&HFFFF", -1},  {"&O17", 15},
                 {"  +7", 7},   {"3.2.1", 3.2}, {".5", 0.5}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.in), c.out) << c.in;
}

TEST(Conversions, CLngAndCIntOfTextAndTheirErrors) {
    EXPECT_EQ(CLng(" 42 "), 42);
    EXPECT_EQ(CLng("2.5"), 2);
    EXPECT_EQ(CInt("-3.5"), -4);
    auto errorOf = [](auto f) {
        try {
            f();
        } catch (const BasicError& e) {
            return e.number();
        }
        return 0;
    };
    EXPECT_EQ(errorOf([] { CLng("12abc"); }), kTypeMismatch);
    EXPECT_EQ(errorOf([] { CLng(""); }), kTypeMismatch);
    EXPECT_EQ(errorOf([] { CLng(2147483648.0); }), kOverflow);
    EXPECT_EQ(errorOf([] { CLng(2147483647.5); }), kOverflow);
    EXPECT_EQ(CLng(-2147483648.0), INT32_MIN);
    EXPECT_EQ(errorOf([] { CInt(32767.5); }), kOverflow);
    EXPECT_EQ(CInt(-32768.4), -32768);
}

TEST(Conversions, StrAndFormat) {
    EXPECT_EQ(Str(42), " 42");
    EXPECT_EQ(Str(-3), "-3");
    EXPECT_EQ(Str(0.5), " .5");
    EXPECT_EQ(CStr(1234.25), "1234.25");
    // A fraction keeps its zero before the point; Str drops it.
    EXPECT_EQ(CStr(0.999), "0.999");
    EXPECT_EQ(CStr(-0.5), "-0.5");
    EXPECT_EQ(Str(-0.5), "-.5");
    struct Case {
        double in;
        const char* mask;
        const char* out;
    } cases[] = {{1234567, "###,###,###,###", "1,234,567"},
                 {0, "###,###,###,###", ""},
                 {999, "###,###,###,###", "999"},
                 {1000, "###,###,###,###", "1,000"},
                 {-1234, "###,###", "-1,234"},
                 {12.5, "0.00", "12.50"},
                 {3, "", "3"},
                 {2.75, "", "2.75"},
                 {0.999, "", "0.999"},
                 // Halves round away from zero, on the decimal value as written.
                 {2.5, "0", "3"},
                 {3.5, "0", "4"},
                 {-2.5, "0", "-3"},
                 {0.125, "0.00", "0.13"},
                 {2.675, "0.00", "2.68"},
                 {1.005, "0.00", "1.01"},
                 {999.5, "###,###", "1,000"},
                 {0.004, "0.00", "0.00"},
                 {0.006, "#.##", ".01"},
                 {9.995, "0.00", "10.00"}};
    for (const auto& c : cases) EXPECT_EQ(Format(c.in, c.mask), c.out) << c.in << " " << c.mask;
}
