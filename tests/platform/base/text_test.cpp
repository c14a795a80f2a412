#include "platform/base/text.h"

#include <gtest/gtest.h>

#include "platform/base/basic_error.h"
#include "platform/base/cp1252.h"

using namespace qv::base;

TEST(Text, OneBasedPositionsAndNotFoundIsZero) {
    EXPECT_EQ(InStr("abcabc", "c"), 3);
    EXPECT_EQ(InStr(4, "abcabc", "c"), 6);
    EXPECT_EQ(InStr("abc", "x"), 0);
    EXPECT_EQ(InStr("abc", ""), 1);
    EXPECT_EQ(InStr(3, "abc", ""), 3);
    EXPECT_EQ(InStr("", ""), 0);  // an empty text holds nothing, not even the empty text
    EXPECT_EQ(InStr("", "a"), 0);
    EXPECT_EQ(InStr(9, "abc", "a"), 0);
    EXPECT_EQ(InStr("ABC", "b", true), 2);
    EXPECT_EQ(InStrRev("a\\b\\c", "\\"), 4);
    EXPECT_EQ(Mid("hello", 2, 3), "ell");
    EXPECT_EQ(Mid("hello", 4), "lo");
    EXPECT_EQ(Mid("hello", 9), "");
    EXPECT_EQ(Left("hello", 9), "hello");
    EXPECT_EQ(Right("hello", 2), "lo");
    EXPECT_THROW(Mid("x", 0), BasicError);
}

TEST(Text, SplitReplaceTrimCase) {
    EXPECT_EQ(Split("a,,b", ","), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(Split("", ",").empty());
    // A key list as the profile functions give it: every name followed by a NUL.
    using namespace std::string_view_literals;
    EXPECT_EQ(Split("/bin/a\0/bin/b\0"sv, "\0"sv), (std::vector<std::string>{"/bin/a", "/bin/b", ""}));
    EXPECT_EQ(Split("one", ""), (std::vector<std::string>{"one"}));
    EXPECT_EQ(Split("a b"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Replace("a/b/c", "/", "_"), "a_b_c");
    EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(Trim("  x y  "), "x y");
    EXPECT_EQ(Trim("\tx"), "\tx");  // Trim removes spaces only
    EXPECT_EQ(UCase("trusted\xe9"), "TRUSTED\xc9");
    EXPECT_EQ(LCase("ABC\xc0"), "abc\xe0");
    EXPECT_TRUE(equalsNoCase("Rules", "RULES"));
}

TEST(Text, Windows1252RoundTripsThroughUtf8) {
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\xe2\x82\xac");  // euro sign
    EXPECT_EQ(cp1252ToUtf8("\xa9"), "\xc2\xa9");
    EXPECT_EQ(utf8ToCp1252("\xe4\xb8\xad"), "?");  // not in Windows-1252
}
