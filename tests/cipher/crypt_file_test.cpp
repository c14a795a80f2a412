#include <filesystem>

#include "platform/base/files.h"
#include "tests/cipher/cipher_test_support.h"

namespace qv::cipher::test {
namespace {

namespace fs = std::filesystem;

class CryptFileTest : public CipherTest {
protected:
    void SetUp() override {
        CipherTest::SetUp();
        dir = fs::temp_directory_path() /
              ("qv_cipher_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        base::setAtomicWriteHook({});
        fs::remove_all(dir);
        CipherTest::TearDown();
    }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    void Write(const std::string& name, const std::string& data) const {
        ASSERT_TRUE(base::writeFileAtomic(Path(name), data));
    }
    std::string Read(const std::string& name) const { return base::readFile(Path(name)).value_or("<missing>"); }
    bool Exists(const std::string& name) const { return base::fileExists(Path(name)); }
    std::vector<std::string> Files() const {
        std::vector<std::string> v;
        for (const auto& e : fs::directory_iterator(dir)) v.push_back(e.path().filename().string());
        std::sort(v.begin(), v.end());
        return v;
    }
    fs::path dir;
};

const std::string kKey = "tolmek58";

// A CipherFile carrying a chosen extension, made with the module's own encoder.
std::string WithExtension(const std::string& ext, const std::string& data) {
    return EncodeCipherFile(data, ext, kKey, "").data;
}

TEST_F(CryptFileTest, DecryptsTheKnownFileInPlace) {
    Write("Firewall.exe", Fixture("Firewall.exe"));
    const std::string r = CryptFile(Path("Firewall.exe"), Path("Firewall.exe"), kKey, "");
    EXPECT_EQ(ULTRA.ErrorCode, 0) << ULTRA.ErrorText;
    EXPECT_EQ(r, Path("Firewall.qvl"));
    EXPECT_EQ(Read("Firewall.qvl"), Fixture("Firewall.qvl"));
    EXPECT_EQ(Files(), std::vector<std::string>{"Firewall.qvl"});
}

TEST_F(CryptFileTest, EncryptsToTheKnownFileWithTheSameSalt) {
    Write("Firewall.qvl", Fixture("Firewall.qvl"));
    SetRandomSource(Lcg(1));
    const std::string r = CryptFile(Path("Firewall.qvl"), Path("Firewall.qvl"), kKey, "");
    EXPECT_EQ(ULTRA.ErrorCode, 0) << ULTRA.ErrorText;
    EXPECT_EQ(r, Path("Firewall.exe"));
    EXPECT_EQ(ToHex(Read("Firewall.exe")), ToHex(Fixture("Firewall.exe")));
    EXPECT_EQ(Files(), std::vector<std::string>{"Firewall.exe"});
    EXPECT_EQ(pump.shown.back(), 0);  // the bar is cleared at the end
}

// The data files of the program, encrypted and decrypted in place with the data-file key.
TEST_F(CryptFileTest, InPlaceNamesOfTheDataFiles) {
    const struct {
        const char* plain;
        const char* encrypted;
    } cases[] = {{"Firewall.qvl", "Firewall.exe"}, {"Guard.qvl", "Guard.exe"}, {"filter.ini", "filter.exe"},
                 {"trojan.dat", "trojan.exe"}, {"noextension", "noextension.exe"}};
    for (const auto& c : cases) {
        const std::string content = std::string("[RULES]\r\n") + c.plain + "=1\r\n";
        Write(c.plain, content);
        EXPECT_EQ(CryptFile(Path(c.plain), Path(c.plain), kKey, ""), Path(c.encrypted));
        EXPECT_EQ(ULTRA.ErrorCode, 0) << c.plain;
        EXPECT_EQ(Files(), std::vector<std::string>{c.encrypted});
        EXPECT_EQ(DetectFileType(Path(c.encrypted)), 1);

        EXPECT_EQ(CryptFile(Path(c.encrypted), Path(c.encrypted), kKey, ""), Path(c.plain));
        EXPECT_EQ(ULTRA.ErrorCode, 0) << c.plain;
        EXPECT_EQ(Files(), std::vector<std::string>{c.plain});
        EXPECT_EQ(Read(c.plain), content);
        fs::remove(Path(c.plain));
    }
}

TEST_F(CryptFileTest, OtherTargetKeepsTheSource) {
    Write("data.txt", "some data");
    fs::create_directories(dir / "out");
    EXPECT_EQ(CryptFile(Path("data.txt"), Path("out/copy.bin"), kKey, "pcc"), Path("out/copy.exe"));
    EXPECT_TRUE(Exists("data.txt"));
    EXPECT_EQ(CryptFile(Path("out/copy.exe"), Path("out/back.xyz"), kKey, "pcc"), Path("out/back.txt"));
    EXPECT_EQ(Read("out/back.txt"), "some data");
    EXPECT_TRUE(Exists("out/copy.exe"));
}

// The extension is the file name's own: a dot in a folder's name plays no part.
TEST_F(CryptFileTest, AFileIsWrittenInItsOwnFolder) {
    fs::create_directories(dir / "my.docs");
    Write("my.docs/notes", "notes");
    Write("my.exe", "an unrelated file beside the folder");
    EXPECT_EQ(CryptFile(Path("my.docs/notes"), Path("my.docs/notes"), kKey, ""), Path("my.docs/notes.exe"));
    EXPECT_EQ(ULTRA.ErrorCode, 0) << ULTRA.ErrorText;
    EXPECT_FALSE(Exists("my.docs/notes"));
    EXPECT_EQ(DecodeCipherFile(Read("my.docs/notes.exe"), kKey, "").extension, "") << "no extension stored";
    EXPECT_EQ(Read("my.exe"), "an unrelated file beside the folder");
    EXPECT_EQ(CryptFile(Path("my.docs/notes.exe"), Path("my.docs/notes.exe"), kKey, ""), Path("my.docs/notes"));
    EXPECT_EQ(Read("my.docs/notes"), "notes");
    EXPECT_FALSE(Exists("my.docs/notes.exe"));
    EXPECT_EQ(Files(), (std::vector<std::string>{"my.docs", "my.exe"}));
}

// Names are UTF-8 here; the stored extension is the program's Windows-1252 text in lower case.
TEST_F(CryptFileTest, UnicodeExtensionsAreLoweredWithoutBreakingTheName) {
    const struct {
        const char* name;
        std::string stored;
        const char* back;
    } cases[] = {
        {"caf\xc3\xa9.\xc3\x89T\xc3\x89", "\xe9t\xe9", "caf\xc3\xa9.\xc3\xa9t\xc3\xa9"},  // café.ÉTÉ
        {"a.\xc5\x92uvre", "\x9cuvre", "a.\xc5\x93uvre"},  // Œ: in Windows-1252's upper half
        // Greek has no Windows-1252 form: stored as UTF-8, only ASCII letters lowered.
        {"x.\xce\x91\xce\x92Z", "\xce\x91\xce\x92z", "x.\xce\x91\xce\x92z"},
    };
    for (const auto& c : cases) {
        Write(c.name, "data");
        const std::string encrypted = CryptFile(Path(c.name), Path(c.name), kKey, "");
        ASSERT_EQ(ULTRA.ErrorCode, 0) << c.name;
        EXPECT_EQ(ToHex(DecodeCipherFile(base::readFile(encrypted).value_or(""), kKey, "").extension), ToHex(c.stored));
        EXPECT_EQ(CryptFile(encrypted, encrypted, kKey, ""), Path(c.back));
        EXPECT_EQ(Read(c.back), "data");
        fs::remove(Path(c.back));
    }
    // A file encrypted elsewhere stores its extension in Windows-1252.
    Write("elsewhere.exe", WithExtension("\xe9t\xe9", "data"));
    EXPECT_EQ(CryptFile(Path("elsewhere.exe"), Path("elsewhere.exe"), kKey, ""), Path("elsewhere.\xc3\xa9t\xc3\xa9"));
}

// A name whose extension decryption refuses is not encrypted at all: same code, source kept.
TEST_F(CryptFileTest, NothingIsEncryptedThatCannotBeDecrypted) {
    for (const std::string& name : {std::string("notes.10:30"), std::string("a.b\x01"), std::string("a.\x7f")}) {
        Write(name, "the user's notes");
        EXPECT_EQ(CryptFile(Path(name), Path(name), kKey, ""), Path(name));
        EXPECT_EQ(ULTRA.ErrorCode, kErrDecodeFile) << name;
        EXPECT_EQ(ULTRA.ErrorText, "File error: Bad file name or number (Error 22)");
        EXPECT_EQ(Files(), std::vector<std::string>{name});
        EXPECT_EQ(Read(name), "the user's notes");
        fs::remove(Path(name));
    }
}

TEST_F(CryptFileTest, AskingRunsReplaceAnotherFileOnlyWhenAllowed) {
    // report.exe was encrypted earlier from report.txt; encrypting report.doc in place would
    // write report.exe again.
    Write("report.txt", "the text");
    CryptFile(Path("report.txt"), Path("report.txt"), kKey, "");
    const std::string earlier = Read("report.exe");
    Write("report.doc", "the document");
    std::vector<std::string> asked;
    bool answer = false;
    const ReplaceQuestion question = [&](const std::string& output) {
        asked.push_back(output);
        return answer;
    };

    EXPECT_EQ(CryptFile(Path("report.doc"), Path("report.doc"), kKey, "", question), Path("report.doc"));
    EXPECT_EQ(asked, std::vector<std::string>{Path("report.exe")});
    EXPECT_EQ(ULTRA.ErrorCode, kErrEncodeAborted);
    EXPECT_EQ(Read("report.exe"), earlier) << "No writes nothing";
    EXPECT_EQ(Read("report.doc"), "the document");
    EXPECT_EQ(pump.shown.back(), 0);

    // Decrypting report.exe would write report.txt over a newer one.
    Write("report.txt", "written since");
    EXPECT_EQ(CryptFile(Path("report.exe"), Path("report.exe"), kKey, "", question), Path("report.exe"));
    EXPECT_EQ(asked.back(), Path("report.txt"));
    EXPECT_EQ(ULTRA.ErrorCode, kErrDecodeAborted);
    EXPECT_EQ(Read("report.txt"), "written since");
    EXPECT_TRUE(Exists("report.exe"));

    answer = true;
    EXPECT_EQ(CryptFile(Path("report.doc"), Path("report.doc"), kKey, "", question), Path("report.exe"));
    EXPECT_EQ(ULTRA.ErrorCode, 0);
    EXPECT_FALSE(Exists("report.doc"));

    // Nothing to replace, or only the source itself: no question.
    asked.clear();
    Write("fresh.bin", "new");
    CryptFile(Path("fresh.bin"), Path("fresh.bin"), kKey, "", question);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(ULTRA.ErrorCode, 0);
}

TEST_F(CryptFileTest, ErrorsLeaveEverythingAsItWas) {
    Write("plain.txt", "text");
    Write("empty.txt", "");
    Write("PROGRAM.EXE", "MZ not a cipher file");
    Write("Firewall.exe", Fixture("Firewall.exe"));
    const std::string file = Fixture("Firewall.exe");
    Write("cut_salt.exe", file.substr(0, 40));
    Write("cut_end.exe", file.substr(0, file.size() - 1));
    Write("marker_only.exe", file.substr(0, 22));
    // Long enough that a wrong key meets a 0 byte that ends the stored extension, and so
    // reaches the check bytes.
    Write("long.exe", EncodeCipherFile(RandomBytes(5000, 0, 4), "bin", kKey, "").data);
    const struct {
        const char* source;
        const char* key;
        const char* pcc;
        int code;
    } cases[] = {
        {"plain.txt", "abcd", "", kErrBadKey},
        {"missing.txt", kKey.c_str(), "", kErrSourceMissing},
        {"empty.txt", kKey.c_str(), "", kErrEmptyFile},
        {"PROGRAM.EXE", kKey.c_str(), "", kErrFileVersion},
        {"long.exe", "tolmek59", "", kErrDecodeFailed},
        {"long.exe", kKey.c_str(), "x", kErrDecodeFailed},
        {"cut_salt.exe", kKey.c_str(), "", kErrDecodeFailed},
        {"cut_end.exe", kKey.c_str(), "", kErrDecodeFailed},
        {"marker_only.exe", kKey.c_str(), "", kErrDecodeFile},
        {"subdir", kKey.c_str(), "", kErrSourceMissing},
    };
    fs::create_directories(dir / "subdir");
    const auto before = Files();
    for (const auto& c : cases) {
        const std::string src = Path(c.source);
        EXPECT_EQ(CryptFile(src, src, c.key, c.pcc), src) << c.source;
        EXPECT_EQ(ULTRA.ErrorCode, c.code) << c.source;
        EXPECT_EQ(ULTRA.ErrorText, ErrorMessage(ULTRA.ErrorCode, ULTRA.ErrorDescription)) << c.source;
        EXPECT_FALSE(ULTRA.ErrorText.empty());
        EXPECT_EQ(Files(), before) << c.source;
    }
    EXPECT_EQ(Read("PROGRAM.EXE"), "MZ not a cipher file");
    EXPECT_EQ(Read("Firewall.exe"), file);
}

TEST_F(CryptFileTest, WriteFailureGivesFileErrorWithDescription) {
    Write("a.txt", "x");
    Write("b.exe", Fixture("Firewall.exe"));
    const struct {
        const char* source;
        int code;
        const char* suffix;
    } cases[] = {{"a.txt", kErrEncodeFile, " (Error 12)"}, {"b.exe", kErrDecodeFile, " (Error 22)"}};
    for (const auto& c : cases) {
        const auto before = Files();
        EXPECT_EQ(CryptFile(Path(c.source), Path(std::string("no/such/folder/") + c.source), kKey, ""), Path(c.source));
        EXPECT_EQ(ULTRA.ErrorCode, c.code) << c.source;
        EXPECT_TRUE(ULTRA.ErrorText.starts_with("File error: ")) << ULTRA.ErrorText;
        EXPECT_TRUE(ULTRA.ErrorText.ends_with(c.suffix)) << ULTRA.ErrorText;
        EXPECT_GT(ULTRA.ErrorDescription.size(), 0u);
        EXPECT_EQ(Files(), before) << c.source;
    }
}

// A CipherFile around a chosen payload, with a salt of 40 bytes and the stored extension "txt",
// enciphered with the data-file key as the encoder does it.
std::string SealFile(const std::string& payload) {
    std::string salt(1, static_cast<char>(40));
    for (int k = 1; k < 40; ++k) salt += static_cast<char>(k * 73 + 5);
    std::string stream = salt + "txt" + std::string(1, '\0') + payload + salt.substr(38);
    KeySchedule(kKey, "");
    EXPECT_TRUE(EncryptBytes(stream));
    return std::string(kCipherFileMarker) + stream;
}

// Files whose salt and check bytes fit but whose compressed payload the decompressor must
// refuse: a file error with the decompressor's description, or the checksum error, and nothing
// written. An empty stored block decrypts to an empty file.
TEST_F(CryptFileTest, DamagedCompressedPayloadInsideASoundFile) {
    const std::string unknown =
        "File error: The data either was not compressed with HE3 or is corrupt (identification string not found) "
        "(Error 22)";
    for (const auto& c : DamagedCompressedBlocks()) {
        Write("damaged.exe", SealFile(c.block));
        pump = RecordingPump{};
        EXPECT_EQ(CryptFile(Path("damaged.exe"), Path("damaged.exe"), kKey, ""), Path("damaged.exe")) << c.what;
        EXPECT_EQ(ULTRA.ErrorCode, c.damage == Damage::Checksum ? kErrChecksum : kErrDecodeFile) << c.what;
        if (c.damage == Damage::UnknownFormat) {
            EXPECT_EQ(ULTRA.ErrorText, unknown) << c.what;
        }
        if (c.damage == Damage::Checksum) {
            EXPECT_EQ(ULTRA.ErrorText, "Compression checksum error (Error 5)") << c.what;
        }
        EXPECT_EQ(ULTRA.ErrorText, ErrorMessage(ULTRA.ErrorCode, ULTRA.ErrorDescription)) << c.what;
        EXPECT_EQ(pump.shown.back(), 0) << c.what;
        EXPECT_EQ(Files(), std::vector<std::string>{"damaged.exe"}) << c.what;
    }
    Write("empty.exe", SealFile("HE0\r"));
    EXPECT_EQ(CryptFile(Path("empty.exe"), Path("empty.exe"), kKey, ""), Path("empty.txt"));
    EXPECT_EQ(ULTRA.ErrorCode, 0) << ULTRA.ErrorText;
    EXPECT_EQ(Read("empty.txt"), "");
}

// A rules file whose block had its length field zeroed: the checksum of nothing is not the
// stored one, so the file stays encrypted and nothing is written.
TEST_F(CryptFileTest, AZeroedLengthFailsTheChecksum) {
    std::string block = "[RULES]\r\n/usr/bin/ssh=2\r\n/usr/bin/curl=1\r\n";
    ASSERT_TRUE(HuffmanEncode(block));
    block.replace(5, 4, std::string(4, '\0'));
    const std::string sealed = SealFile(block);
    Write("Firewall.exe", sealed);
    EXPECT_EQ(CryptFile(Path("Firewall.exe"), Path("Firewall.exe"), kKey, ""), Path("Firewall.exe"));
    EXPECT_EQ(ULTRA.ErrorCode, kErrChecksum);
    EXPECT_EQ(Files(), std::vector<std::string>{"Firewall.exe"});
    EXPECT_EQ(Read("Firewall.exe"), sealed);
}

// A file cut right after its stored extension's end, or one byte later, has no check bytes.
TEST_F(CryptFileTest, AFileCutAtItsExtensionsEndFailsDecoding) {
    const std::string file = SealFile("HE0\rdata");
    const std::size_t end = 22 + 40 + 3;  // marker, salt, "txt": the terminator's offset
    for (std::size_t keep : {end + 1, end + 2}) {
        Write("cut.exe", file.substr(0, keep));
        EXPECT_EQ(CryptFile(Path("cut.exe"), Path("cut.exe"), kKey, ""), Path("cut.exe"));
        EXPECT_EQ(ULTRA.ErrorCode, kErrDecodeFailed) << keep;
        EXPECT_EQ(Files(), std::vector<std::string>{"cut.exe"});
    }
}

TEST_F(CryptFileTest, UnsafeStoredExtensionIsRefused) {
    for (const std::string& ext : std::vector<std::string>{"\\..\\..\\evil", "/../evil", "c:evil", std::string("a\x01", 2), "x.y"}) {
        Write("crafted.exe", WithExtension(ext, "payload"));
        CryptFile(Path("crafted.exe"), Path("crafted.exe"), kKey, "");
        EXPECT_EQ(ULTRA.ErrorCode, kErrDecodeFile) << ext;
        EXPECT_EQ(Files(), std::vector<std::string>{"crafted.exe"}) << ext;
    }
    // Separators without dots stay inside the target's folder.
    fs::create_directories(dir / "crafted.sub");
    Write("crafted.exe", WithExtension("sub/inner", "payload"));
    EXPECT_EQ(CryptFile(Path("crafted.exe"), Path("crafted.exe"), kKey, ""), Path("crafted.sub/inner"));
    EXPECT_EQ(Read("crafted.sub/inner"), "payload");
}

TEST_F(CryptFileTest, StoredExeExtensionDecryptedInPlaceKeepsTheResult) {
    Write("tool.exe", WithExtension("exe", "the program"));
    EXPECT_EQ(CryptFile(Path("tool.exe"), Path("tool.exe"), kKey, ""), Path("tool.exe"));
    EXPECT_EQ(ULTRA.ErrorCode, 0);
    EXPECT_EQ(Read("tool.exe"), "the program");
}

TEST_F(CryptFileTest, CrashBeforeRenameLeavesTheOldFileWhole) {
    Write("Guard.qvl", "[HACKERS]\r\n31337=Back door\r\n");
    base::setAtomicWriteHook([](const std::string&, const std::string& temp) {
        fs::remove(temp);  // the process dies before the rename
        return false;
    });
    CryptFile(Path("Guard.qvl"), Path("Guard.qvl"), kKey, "");
    EXPECT_EQ(ULTRA.ErrorCode, kErrEncodeFile);
    EXPECT_EQ(Files(), std::vector<std::string>{"Guard.qvl"});
    EXPECT_EQ(Read("Guard.qvl"), "[HACKERS]\r\n31337=Back door\r\n");

    // At the rename the new file is complete: the old one is removed only after it.
    std::vector<std::string> seen;
    base::setAtomicWriteHook([&](const std::string&, const std::string&) {
        seen = Files();
        return true;
    });
    CryptFile(Path("Guard.qvl"), Path("Guard.qvl"), kKey, "");
    EXPECT_EQ(ULTRA.ErrorCode, 0);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1], "Guard.qvl");
    EXPECT_EQ(Files(), std::vector<std::string>{"Guard.exe"});

    // The same both ways: a crash while decrypting in place leaves the encrypted file whole.
    const std::string encrypted = Read("Guard.exe");
    base::setAtomicWriteHook([](const std::string&, const std::string& temp) {
        fs::remove(temp);
        return false;
    });
    CryptFile(Path("Guard.exe"), Path("Guard.exe"), kKey, "");
    EXPECT_EQ(ULTRA.ErrorCode, kErrDecodeFile);
    EXPECT_EQ(Files(), std::vector<std::string>{"Guard.exe"});
    EXPECT_EQ(Read("Guard.exe"), encrypted);
    base::setAtomicWriteHook([&](const std::string&, const std::string&) {
        seen = Files();
        return true;
    });
    CryptFile(Path("Guard.exe"), Path("Guard.exe"), kKey, "");
    EXPECT_EQ(ULTRA.ErrorCode, 0);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), "Guard.exe"), 1);  // beside the complete temporary file
    EXPECT_EQ(Files(), std::vector<std::string>{"Guard.qvl"});
    EXPECT_EQ(Read("Guard.qvl"), "[HACKERS]\r\n31337=Back door\r\n");
}

TEST_F(CryptFileTest, AbortWritesNothing) {
    Write("big.txt", RandomBytes(60000, 3, 9));
    for (int at : {2, 40}) {  // in the compressor, in the cipher loop
        pump.pumps = 0;
        pump.onPump = [at](int n) {
            if (n == at) ULTRA.AbortRequested = true;
        };
        CryptFile(Path("big.txt"), Path("big.txt"), kKey, "");
        EXPECT_EQ(ULTRA.ErrorCode, kErrEncodeAborted) << at;
        EXPECT_EQ(ULTRA.ErrorText, "Encoding has been aborted by user");
        EXPECT_EQ(Files(), std::vector<std::string>{"big.txt"});
    }
    pump.onPump = nullptr;
    CryptFile(Path("big.txt"), Path("big.txt"), kKey, "");
    ASSERT_EQ(ULTRA.ErrorCode, 0);
    for (int at : {2, 20}) {  // in the cipher loop, in the decompressor
        pump.pumps = 0;
        pump.onPump = [at](int n) {
            if (n == at) ULTRA.AbortRequested = true;
        };
        CryptFile(Path("big.exe"), Path("big.exe"), kKey, "");
        EXPECT_EQ(ULTRA.ErrorCode, kErrDecodeAborted) << at;
        EXPECT_EQ(Files(), std::vector<std::string>{"big.exe"});
    }
}

TEST_F(CryptFileTest, SecondOperationDuringARunIsRefused) {
    Write("one.txt", RandomBytes(20000, 3, 2));
    Write("two.txt", "second");
    std::string nested;
    int nestedCode = -1;
    pump.onPump = [&](int n) {
        if (n != 3) return;
        nested = CryptFile(Path("two.txt"), Path("two.txt"), kKey, "");
        nestedCode = ULTRA.ErrorCode;
    };
    EXPECT_EQ(CryptFile(Path("one.txt"), Path("one.txt"), kKey, ""), Path("one.exe"));
    EXPECT_EQ(nestedCode, kErrBusy);
    EXPECT_EQ(nested, Path("two.txt"));
    EXPECT_EQ(ULTRA.ErrorCode, 0);  // the running operation finished as if alone
    EXPECT_EQ(Files(), (std::vector<std::string>{"one.exe", "two.txt"}));
    pump.onPump = nullptr;
    EXPECT_EQ(CryptFile(Path("one.exe"), Path("one.exe"), kKey, ""), Path("one.txt"));
    EXPECT_EQ(Read("one.txt"), RandomBytes(20000, 3, 2));
}

TEST_F(CryptFileTest, DetectionAndNames) {
    Write("marked.bin", Fixture("Firewall.exe"));
    Write("short.exe", Fixture("Firewall.exe").substr(0, 21));
    std::string wrongMark = Fixture("Firewall.exe");
    wrongMark[12] = 'c';  // the copyright byte compared as a byte
    Write("wrong.dat", wrongMark);
    EXPECT_EQ(DetectFileType(Path("marked.bin")), 1);
    EXPECT_EQ(DetectFileType(Path("short.exe")), 2);
    EXPECT_EQ(DetectFileType(Path("wrong.dat")), 0);
    EXPECT_EQ(DetectFileType(Path("missing.ExE")), 2);
    EXPECT_TRUE(SourceFileExists(Path("marked.bin")));
    EXPECT_FALSE(SourceFileExists(Path("missing.ExE")));

    EXPECT_EQ(FileExtension("C:\\Data\\Firewall.QVL"), "qvl");
    EXPECT_EQ(FileExtension("C:\\Data\\Firewall"), "");
    EXPECT_EQ(FileExtension("name."), "");
    EXPECT_EQ(FileExtension("a.b/c"), "");
    EXPECT_EQ(FileExtension("a.b\\c.D"), "d");
    EXPECT_EQ(FileNameWithoutExtension("C:\\Data\\Firewall.qvl"), "C:\\Data\\Firewall");
    EXPECT_EQ(FileNameWithoutExtension("a.b/c"), "a.b/c");
    EXPECT_EQ(FileNameWithoutExtension("a.b\\c"), "a.b\\c");
    EXPECT_EQ(FileNameWithoutExtension("plain"), "plain");
}

TEST_F(CryptFileTest, RoundTripsRandomFiles) {
    for (int dist = 0; dist < 5; ++dist) {
        for (std::size_t n : {1u, 2u, 5u, 4999u, 5001u, 70000u}) {
            const std::string data = RandomBytes(n, dist, static_cast<uint32_t>(n + 31 * static_cast<std::size_t>(dist)));
            Write("r.bin", data);
            ASSERT_EQ(CryptFile(Path("r.bin"), Path("r.bin"), "Secret7!", "pcc"), Path("r.exe"));
            ASSERT_EQ(CryptFile(Path("r.exe"), Path("r.exe"), "Secret7!", "pcc"), Path("r.bin"));
            ASSERT_EQ(Read("r.bin"), data) << dist << " " << n;
        }
    }
}

}  // namespace
}  // namespace qv::cipher::test
