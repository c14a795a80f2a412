#include <set>

#include "tests/cipher/cipher_test_support.h"

namespace qv::cipher::test {
namespace {

using CryptTextTest = CipherTest;

const std::string kKey = "Secret7!";
const std::string kKnownPlain = "Meet me at the usual place at 10.";

// A salt of length L as MakeSalt lays it out: its first byte is L.
std::string Salt(int length) {
    std::string s(1, static_cast<char>(length));
    for (int k = 1; k < length; ++k) s += static_cast<char>(k * 73 + 5);
    return s;
}

// The stream an envelope carries: salt, compressed text, the salt's last two bytes.
std::string Stream(const std::string& salt, const std::string& payload) {
    return salt + payload + salt.substr(salt.size() - 2);
}

// The envelope around stream, enciphered with key and pcc as the encoder does it.
std::string Seal(std::string stream, const std::string& key = kKey, const std::string& pcc = "") {
    KeySchedule(key, pcc);
    EXPECT_TRUE(EncryptBytes(stream));
    return WrapEnvelope(Base64Encode(stream, 60));
}

std::string Compressed(std::string text) {
    EXPECT_TRUE(CompressString(text));
    return text;
}

TEST_F(CryptTextTest, DecryptsTheKnownEnvelope) {
    const std::string envelope = Fixture("envelope.txt");
    EXPECT_EQ(CryptText(envelope, kKey, "pcc"), kKnownPlain);
    EXPECT_EQ(ULTRA.ErrorCode, 0) << ULTRA.ErrorText;
    EXPECT_EQ(ULTRA.ErrorText, "");
    EXPECT_EQ(pump.shown.back(), 0);  // the bar is cleared at the end
}

TEST_F(CryptTextTest, EncryptsToTheKnownEnvelopeWithTheSameSalt) {
    SetRandomSource(Lcg(3));
    EXPECT_EQ(CryptText(kKnownPlain, kKey, "pcc"), Fixture("envelope.txt"));
    EXPECT_EQ(ULTRA.ErrorCode, 0) << ULTRA.ErrorText;
    EXPECT_EQ(pump.shown.back(), 0);
}

// A stream of whole 60-character lines: the body ends with CR LF, leaving an empty line before
// the end line, both ways.
TEST_F(CryptTextTest, KnownEnvelopeOfFullLinesOnly) {
    const auto v = LoadVectors();
    const std::string plain = FromHex(v.at("envelope.full_line.plain"));
    const std::string envelope = Fixture("envelope_full_line.txt");
    ASSERT_TRUE(envelope.ends_with("\r\n\r\n--- END OF MESSAGE ---"));
    SetRandomSource(Lcg(std::stoull(v.at("envelope.full_line.seed"))));
    EXPECT_EQ(CryptText(plain, kKey, ""), envelope);
    EXPECT_EQ(CryptText(envelope, kKey, ""), plain);
    EXPECT_EQ(ULTRA.ErrorCode, 0) << ULTRA.ErrorText;
}

TEST_F(CryptTextTest, RoundTripsManySizesAndDistributions) {
    for (int dist = 0; dist < 5; ++dist) {
        for (std::size_t n : {1u, 2u, 3u, 44u, 45u, 46u, 999u, 5001u, 30000u}) {
            const std::string text = RandomBytes(n, dist, static_cast<uint32_t>(n * 13 + static_cast<std::size_t>(dist)));
            const std::string pcc = dist % 2 ? "private crypto code" : "";
            const std::string envelope = CryptText(text, kKey, pcc);
            ASSERT_EQ(ULTRA.ErrorCode, 0) << dist << " " << n << ": " << ULTRA.ErrorText;
            ASSERT_EQ(DetectEnvelope(envelope), 1);
            // Every body line but the last holds 60 characters.
            const std::string body = EnvelopeBody(envelope);
            for (std::size_t at = 0, k; (k = body.find("\r\n", at)) != std::string::npos; at = k + 2)
                ASSERT_EQ(k - at, 60u) << dist << " " << n;
            EXPECT_EQ(CryptText(envelope, kKey, pcc), CleanEnvelopeText(text)) << dist << " " << n;
            EXPECT_EQ(ULTRA.ErrorCode, 0) << dist << " " << n << ": " << ULTRA.ErrorText;
        }
    }
}

TEST_F(CryptTextTest, OuterBlanksAreDroppedAndRewrappedBodiesStillDecrypt) {
    const std::string envelope = CryptText("\r\n\r\n  one line\r\nand another \t\r\n\r\n", kKey, "");
    ASSERT_EQ(ULTRA.ErrorCode, 0);
    EXPECT_EQ(CryptText(envelope, kKey, ""), "one line\r\nand another");

    // Pasted into a mail: blank lines around, body lines wrapped at 40 with bare line feeds.
    const std::string text(400, 'q');
    const std::string e = CryptText(text, kKey, "");
    std::string flat;
    for (char c : EnvelopeBody(e))
        if (c != '\r' && c != '\n') flat += c;
    std::string rewrapped;
    for (std::size_t k = 0; k < flat.size(); k += 40) rewrapped += flat.substr(k, 40) + "\n";
    EXPECT_EQ(CryptText("\r\n \r\n" + WrapEnvelope(rewrapped) + "\r\n\r\n", kKey, ""), text);
    EXPECT_EQ(ULTRA.ErrorCode, 0) << ULTRA.ErrorText;
}

TEST_F(CryptTextTest, ShortTextWithBothMarkerLinesIsEncrypted) {
    const std::string text = "--- BEGIN ENCRYPT MESSAGE ---\r\nhi\r\n--- END OF MESSAGE ---";
    const std::string envelope = CryptText(text, kKey, "");
    EXPECT_EQ(ULTRA.ErrorCode, 0);
    EXPECT_EQ(DetectEnvelope(envelope), 1);
    EXPECT_EQ(CryptText(envelope, kKey, ""), text);
}

TEST_F(CryptTextTest, PaddingOfShortTextsFollowsTheStreamLength) {
    std::set<std::size_t> paddings;
    for (const std::string text : {"a", "ab"}) {
        for (uint64_t seed = 1; seed <= 24; ++seed) {
            SetRandomSource(Lcg(seed));
            const std::string body = EnvelopeBody(CryptText(text, kKey, ""));
            const std::size_t streamLength = Base64Decode(body).size();
            const std::size_t saltLength = streamLength - Compressed(text).size() - 2;
            EXPECT_GE(saltLength, 32u);
            EXPECT_LE(saltLength, 255u);
            const std::size_t padding = body.size() - body.find_last_not_of('=') - 1;
            EXPECT_EQ(padding, (3 - streamLength % 3) % 3) << text << " " << seed;
            paddings.insert(padding);
        }
    }
    EXPECT_EQ(paddings, (std::set<std::size_t>{0, 1, 2}));
}

TEST_F(CryptTextTest, BodyEndingAFullLineLeavesABlankLineBeforeTheEndLine) {
    // 45 bytes: exactly one full line of 60 characters and its CR LF.
    const std::string payload = Compressed("hi");
    const std::string envelope = Seal(Stream(Salt(static_cast<int>(45 - 2 - payload.size())), payload));
    ASSERT_EQ(EnvelopeBody(envelope).size(), 62u);
    EXPECT_TRUE(envelope.ends_with("\r\n\r\n--- END OF MESSAGE ---"));
    EXPECT_EQ(CryptText(envelope, kKey, ""), "hi");
    EXPECT_EQ(ULTRA.ErrorCode, 0) << ULTRA.ErrorText;
}

TEST_F(CryptTextTest, ErrorsReturnTheTextAsPassedIn) {
    const std::string known = Fixture("envelope.txt");
    const std::string body = EnvelopeBody(known);
    const struct {
        const char* what;
        std::string text;
        std::string key;
        std::string pcc;
        int code;
        const char* message;
    } cases[] = {
        {"empty text", "", kKey, "", 1, "Cannot continue without text (Error 1)"},
        {"only blanks", " \r\n\t\r\n ", kKey, "", 1, "Cannot continue without text (Error 1)"},
        {"key of four characters", "text", "abcd", "", 3, "Key too small/is repeating (Error 3)"},
        {"repeating key on an envelope", known, "abcabc", "pcc", 3, "Key too small/is repeating (Error 3)"},
        {"other version", "--- BEGIN ENCRYPT MESSAGE ---\r\nVersion: BRENQUIST v9.9.9\r\n" + body +
                              "\r\n--- END OF MESSAGE ---",
         kKey, "pcc", 10, "Crypto version unknown/contains errors (Error 10)"},
        {"begin line only", known.substr(0, known.size() - 22), kKey, "pcc", 30,
         "Crypto header or footer format incomplete/contains errors (Error 30)"},
        {"end line only", known.substr(31), kKey, "pcc", 30,
         "Crypto header or footer format incomplete/contains errors (Error 30)"},
        {"wrong key", known, "Secret8!", "pcc", 33, "Failed decoding the text (Error 33)"},
        {"wrong PCC", "\r\n" + known + "\r\n\r\n", kKey, "pcd", 33, "Failed decoding the text (Error 33)"},
        {"no PCC", known, kKey, "", 33, "Failed decoding the text (Error 33)"},
        {"last body line lost", WrapEnvelope(body.substr(0, body.rfind("\r\n"))), kKey, "pcc", 33,
         "Failed decoding the text (Error 33)"},
        {"body of one byte", WrapEnvelope("AA=="), kKey, "pcc", 33, "Failed decoding the text (Error 33)"},
        {"body that decodes to nothing", WrapEnvelope("*"), kKey, "pcc", 33, "Failed decoding the text (Error 33)"},
        {"body mostly not Base64", WrapEnvelope("Zm9v!!!!~~~~YmFy"), kKey, "pcc", 33,
         "Failed decoding the text (Error 33)"},
    };
    for (const auto& c : cases) {
        pump = RecordingPump{};
        EXPECT_EQ(CryptText(c.text, c.key, c.pcc), c.text) << c.what;
        EXPECT_EQ(ULTRA.ErrorCode, c.code) << c.what;
        EXPECT_EQ(ULTRA.ErrorText, c.message) << c.what;
        if (c.code == 33) {
            EXPECT_EQ(pump.shown.back(), 0) << c.what;
        }
    }
}

// Streams that pass the salt check but carry a block the decompressor must refuse.
TEST_F(CryptTextTest, DamagedCompressedTextInsideASoundStream) {
    for (const auto& c : DamagedCompressedBlocks()) {
        const std::string envelope = Seal(Stream(Salt(40), c.block));
        pump = RecordingPump{};
        EXPECT_EQ(CryptText(envelope, kKey, ""), envelope) << c.what;
        EXPECT_EQ(ULTRA.ErrorCode, c.damage == Damage::Checksum ? 5 : 33) << c.what;
        EXPECT_EQ(pump.shown.back(), 0) << c.what;
    }
    EXPECT_EQ(ULTRA.ErrorText, "Compression checksum error (Error 5)");
}

TEST_F(CryptTextTest, SaltLengthBounds) {
    const std::string payload = Compressed("payload");
    std::string tooLong = Stream(Salt(40), payload);
    tooLong[0] = static_cast<char>(tooLong.size() - 1);  // leaves no room for the check bytes
    const struct {
        const char* what;
        std::string stream;
        int code;
        std::string result;
    } cases[] = {
        {"shortest salt", Stream(Salt(2), payload), 0, "payload"},
        {"salt of one byte", Salt(1) + payload + Salt(1) + Salt(1), 33, ""},
        {"salt length 0", std::string(1, '\0') + payload + "xx", 33, ""},
        {"salt reaching the check bytes", tooLong, 33, ""},
        {"salt and check bytes only", Stream(Salt(40), ""), 33, ""},
        {"stored length 0 without its code table", Stream(Salt(40), std::string("HE3\r\x00\x00\x00\x00\x00\x02\x00", 11)),
         33, ""},
        {"empty stored block", Stream(Salt(40), "HE0\r"), 0, ""},
    };
    for (const auto& c : cases) {
        const std::string envelope = Seal(c.stream);
        const std::string r = CryptText(envelope, kKey, "");
        EXPECT_EQ(ULTRA.ErrorCode, c.code) << c.what;
        EXPECT_EQ(r, c.code ? envelope : c.result) << c.what;
    }
}

TEST_F(CryptTextTest, AbortInEitherDirectionReturnsTheText) {
    const std::string text = RandomBytes(60000, 3, 5);
    const std::string envelope = CryptText(text, kKey, "");
    ASSERT_EQ(ULTRA.ErrorCode, 0);
    const int encryptPumps = pump.pumps;
    pump.pumps = 0;
    ASSERT_EQ(CryptText(envelope, kKey, ""), CleanEnvelopeText(text));
    const int decryptPumps = pump.pumps;

    const struct {
        const std::string& input;
        int at;
        int code;
        const char* message;
    } cases[] = {
        {text, 1, 11, "Encoding has been aborted by user"},             // counting in the compressor
        {text, encryptPumps, 11, "Encoding has been aborted by user"},  // the last cipher checkpoint
        {envelope, 1, 21, "Decoding has been aborted by user"},         // the cipher loop
        {envelope, decryptPumps, 21, "Decoding has been aborted by user"},  // the decompressor's checksum
    };
    for (const auto& c : cases) {
        pump.pumps = 0;
        pump.onPump = [at = c.at](int n) { ULTRA.AbortRequested = ULTRA.AbortRequested || n == at; };
        EXPECT_EQ(CryptText(c.input, kKey, ""), c.input) << c.at;
        EXPECT_EQ(ULTRA.ErrorCode, c.code) << c.at;
        EXPECT_EQ(ULTRA.ErrorText, c.message);
    }
    // A flag left from an earlier abort does not stop the next run.
    pump.onPump = nullptr;
    ULTRA.AbortRequested = true;
    EXPECT_EQ(CryptText(envelope, kKey, ""), CleanEnvelopeText(text));
    EXPECT_EQ(ULTRA.ErrorCode, 0);
}

TEST_F(CryptTextTest, SecondOperationDuringARunIsRefused) {
    std::string nested;
    int nestedCode = -1;
    pump.onPump = [&](int n) {
        if (n != 3) return;
        nested = CryptText("another text", kKey, "");
        nestedCode = ULTRA.ErrorCode;
    };
    const std::string text = RandomBytes(20000, 3, 8);
    const std::string envelope = CryptText(text, kKey, "");
    EXPECT_EQ(nestedCode, kErrBusy);
    EXPECT_EQ(nested, "another text");
    EXPECT_EQ(ULTRA.ErrorCode, 0);  // the running operation finished as if alone
    pump.onPump = nullptr;
    EXPECT_EQ(CryptText(envelope, kKey, ""), CleanEnvelopeText(text));
}

}  // namespace
}  // namespace qv::cipher::test
