#include "tests/cipher/cipher_test_support.h"

namespace qv::cipher::test {
namespace {

const std::string kBegin = "--- BEGIN ENCRYPT MESSAGE ---\r\n";
const std::string kVersion = "Version: BRENQUIST v1.0.1\r\n";
const std::string kEnd = "\r\n--- END OF MESSAGE ---";

TEST(TextEnvelope, CleaningRemovesOuterBlanksOnly) {
    const struct {
        std::string text;
        std::string cleaned;
    } cases[] = {
        {"", ""},
        {" \t\r\n \r\n", ""},
        {"\r\n\r\n  a b\r\nc \t\r\n", "a b\r\nc"},
        {"\vx\f", "\vx\f"},  // other control characters stay
        {std::string("\0 x", 3), std::string("\0 x", 3)},
    };
    for (const auto& c : cases) EXPECT_EQ(CleanEnvelopeText(c.text), c.cleaned);
}

TEST(TextEnvelope, DetectsEveryClass) {
    const std::string body = "QUJD";
    const std::string good = kBegin + kVersion + body + kEnd;
    const struct {
        const char* what;
        std::string text;
        int16_t kind;
    } cases[] = {
        {"plain text", "Meet me at ten.", 0},
        {"begin line inside the text", "x" + good, 3},
        {"envelope", good, 1},
        {"envelope among blank lines", "\r\n\r\n  " + good + " \t\r\n\r\n", 1},
        {"shortest envelope", kBegin + kVersion + "Q" + kEnd, 1},
        {"one character short", kBegin + kVersion + kEnd, 0},
        {"both lines sharing one CR LF", kBegin + "--- END OF MESSAGE ---", 0},
        {"other version", kBegin + "Version: BRENQUIST v2.0.0\r\n" + body + kEnd, 2},
        {"version line without its CR LF", kBegin + "Version: BRENQUIST v1.0.1 " + body + kEnd, 2},
        {"begin line only", kBegin + kVersion + body + "\r\n", 3},
        {"end line only", kVersion + body + kEnd, 3},
        {"begin line without CR LF", "--- BEGIN ENCRYPT MESSAGE --- " + kVersion + body + kEnd, 3},
        {"end line in lower case", kBegin + kVersion + body + "\r\n--- end of message ---", 3},
    };
    for (const auto& c : cases) EXPECT_EQ(DetectEnvelope(c.text), c.kind) << c.what;
}

TEST(TextEnvelope, WrapsAndUnwrapsTheBody) {
    const std::string body = "QUJD\r\nREVG";
    const std::string e = WrapEnvelope(body);
    EXPECT_EQ(e, kBegin + kVersion + body + kEnd);
    EXPECT_EQ(EnvelopeBody(e), body);
    EXPECT_EQ(EnvelopeBody(kBegin + kVersion + kEnd), "");
    EXPECT_EQ(EnvelopeBody("short"), "");
}

}  // namespace
}  // namespace qv::cipher::test
