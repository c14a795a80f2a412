#include <gtest/gtest.h>

#include "cipher/key_check.h"

namespace qv::cipher {
namespace {

struct KeyCase {
    const char* key;
    bool ok;
    int quality;
};

TEST(KeyCheck, AcceptanceAndQuality) {
    const KeyCase cases[] = {
        {"", false, 0},
        {"abcd", false, 0},             // four characters
        {"aaaaa", false, 0},            // period 1
        {"abcabc", false, 0},           // period 3
        {"ababab", false, 0},           // period 2
        {"Ab1!Ab1!", false, 0},         // refused keys rate 0 whatever their characters
        {"ababa", true, 15},            // the period-2 pieces end in a shorter piece
        {"abcdef", true, 18},
        {"Abcde1!", true, 52},          // 21, 25 (25.2), 35, 52 (52.5 to even)
        {"tolmek58", true, 34},         // lower case and digits: 24 x 1.4 = 33.6
        {"123456", true, 18},           // digits alone get no factor
        {"abc_def", true, 21},          // codes 91 to 96 add nothing
        {"abc def", true, 32},          // a space counts: 21 x 1.5 = 31.5, to even 32
        {"ABCDE{", true, 27},           // above 122: 18 x 1.5
        {"abcde@", true, 27},           // 58 to 64
        {"Abcdefghijklmnopqrst1!xyz", true, 100},
        {"abcdefgh\xE9", true, 40},     // a byte above 122: 27 x 1.5 = 40.5, to even
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeyOk(c.key), c.ok) << c.key;
        EXPECT_EQ(KeyQuality(c.key), c.quality) << c.key;
    }
}

}  // namespace
}  // namespace qv::cipher
