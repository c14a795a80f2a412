#include "platform/settings/registry.h"

#include <gtest/gtest.h>

#include "config_fixture.h"
#include "platform/base/files.h"

using namespace std::string_literals;
using namespace qv::settings;

namespace {

class RegistryTest : public qv::settings::testing::ConfigTest {
protected:
    HKey open(HKey root, const std::string& path, std::uint32_t access = KEY_ALL_ACCESS) {
        HKey k = 0;
        EXPECT_EQ(RegOpenKeyEx(root, path, 0, access, k), ERROR_SUCCESS) << path;
        return k;
    }
    HKey create(HKey root, const std::string& path) {
        HKey k = 0;
        EXPECT_EQ(RegCreateKeyEx(root, path, KEY_ALL_ACCESS, k), ERROR_SUCCESS) << path;
        return k;
    }
    // The value's data, or the error number as text.
    std::string query(HKey key, const std::string& name, std::uint32_t room = 1024) {
        std::string data;
        std::uint32_t type = 0, size = room;
        const long rc = RegQueryValueEx(key, name, &type, &data, &size);
        if (rc != ERROR_SUCCESS) return "error " + std::to_string(rc);
        EXPECT_EQ(size, data.size());
        return data;
    }
};

TEST_F(RegistryTest, KeysOpenOnlyOnceCreatedAndValuesLiveThroughNewHandles) {
    HKey k = 0;
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vendor\\Tool", 0, KEY_READ, k), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(k, 0);
    EXPECT_TRUE(files().empty());  // a failed open writes nothing

    HKey made = create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vendor\\Tool");
    EXPECT_EQ(RegSetValueEx(made, "PATH", REG_SZ, "/opt/tool\0"s), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueEx(made, "Count", REG_DWORD, "\x2a\0\0\0"s), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(made), ERROR_SUCCESS);

    HKey parent = open(HKEY_LOCAL_MACHINE, "software");
    HKey again = open(parent, "VENDOR\\tool", KEY_READ);  // relative to an open key, any case
    EXPECT_EQ(query(again, "path"), "/opt/tool\0"s);      // the bytes as given, NUL and all
    std::uint32_t type = 0, size = 0;
    EXPECT_EQ(RegQueryValueEx(again, "COUNT", &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(query(again, "missing"), "error 2");
    // The other root is kept apart.
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "SOFTWARE\\Vendor\\Tool", 0, KEY_READ, k), ERROR_FILE_NOT_FOUND);

    EXPECT_EQ(RegDeleteValue(open(HKEY_LOCAL_MACHINE, "Software\\Vendor\\Tool"), "Path"), ERROR_SUCCESS);
    EXPECT_EQ(query(again, "PATH"), "error 2");  // seen at once through the older handle
    EXPECT_EQ(RegDeleteValue(again, "PATH"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValue(parent, "PATH"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(files(), (std::set<std::string>{"quarvelin/registry-local-machine.txt"}));
}

TEST_F(RegistryTest, TheAccessMaskDecidesWhatAHandleMayDo) {
    create(HKEY_CURRENT_USER, "Software\\Q");
    ASSERT_EQ(RegSetValueEx(open(HKEY_CURRENT_USER, "Software\\Q"), "v", REG_SZ, "1"), ERROR_SUCCESS);
    struct Case {
        std::uint32_t access;
        long set, query;
    } cases[] = {
        {0x20006, ERROR_SUCCESS, ERROR_ACCESS_DENIED},  // write
        {KEY_READ, ERROR_ACCESS_DENIED, ERROR_SUCCESS},
        {0x2003F, ERROR_SUCCESS, ERROR_SUCCESS},        // full
        {0, ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED},
    };
    for (const auto& c : cases) {
        HKey k = open(HKEY_CURRENT_USER, "Software\\Q", c.access);
        std::uint32_t size = 16;
        std::string data;
        EXPECT_EQ(RegSetValueEx(k, "v", REG_SZ, "2"), c.set) << std::hex << c.access;
        EXPECT_EQ(RegQueryValueEx(k, "v", nullptr, &data, &size), c.query) << std::hex << c.access;
        EXPECT_EQ(RegDeleteValue(k, "none"), c.set == ERROR_SUCCESS ? ERROR_FILE_NOT_FOUND : ERROR_ACCESS_DENIED);
    }
}

TEST_F(RegistryTest, ASmallBufferGetsTheSizeNeededAndNoData) {
    HKey k = create(HKEY_CURRENT_USER, "Software\\Q");
    ASSERT_EQ(RegSetValueEx(k, "v", REG_SZ, "12345"), ERROR_SUCCESS);
    std::string data = "untouched";
    std::uint32_t size = 4;
    EXPECT_EQ(RegQueryValueEx(k, "v", nullptr, &data, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(data, "untouched");
    EXPECT_EQ(query(k, "v", 5), "12345");
    EXPECT_EQ(RegQueryValueEx(k, "v", nullptr, &data, nullptr), ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, ClosedAndMadeUpHandlesAreInvalid) {
    HKey k = create(HKEY_CURRENT_USER, "Software\\Q");
    EXPECT_EQ(RegCloseKey(k), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(k), ERROR_INVALID_HANDLE);
    HKey sub = 0;
    for (HKey bad : {k, HKey(0), HKey(12345)}) {
        EXPECT_EQ(RegSetValueEx(bad, "v", REG_SZ, "1"), ERROR_INVALID_HANDLE);
        EXPECT_EQ(query(bad, "v"), "error 6");
        EXPECT_EQ(RegDeleteValue(bad, "v"), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegOpenKeyEx(bad, "", 0, KEY_READ, sub), ERROR_INVALID_HANDLE);
    }
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);  // the roots stay usable
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Q", 0, KEY_READ, sub), ERROR_SUCCESS);
}

TEST_F(RegistryTest, NamesWithControlCharactersOrEmptyPartsAreRefusedAndWriteNothing) {
    HKey k = 0;
    for (const std::string& path : {"Software\\a\nb"s, "Software\\\\Q"s, "\\Software"s, "Software\\"s, "a\0b"s}) {
        EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, path, KEY_ALL_ACCESS, k), ERROR_INVALID_PARAMETER) << path;
        EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, path, 0, KEY_READ, k), ERROR_INVALID_PARAMETER) << path;
    }
    EXPECT_TRUE(files().empty());
    HKey q = create(HKEY_CURRENT_USER, "Software\\Q");
    const std::string before = read("quarvelin/registry-current-user.txt");
    for (const std::string& name : {"a\rb"s, "\x1b[2J"s, "nul\0"s})
        EXPECT_EQ(RegSetValueEx(q, name, REG_SZ, "x"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(read("quarvelin/registry-current-user.txt"), before);
}

TEST_F(RegistryTest, AnUnreadableStoreIsNeverOverwritten) {
    HKey k = create(HKEY_CURRENT_USER, "Software\\Q");
    const std::string broken = "[Software\\Q]\r\n\"v\"=sz:\"1\"\r\n\"w\"=garbage\r\n";
    write("quarvelin/registry-current-user.txt", broken);
    HKey other = 0;
    EXPECT_EQ(RegSetValueEx(k, "v", REG_SZ, "2"), ERROR_BADDB);
    EXPECT_EQ(RegDeleteValue(k, "v"), ERROR_BADDB);
    EXPECT_EQ(query(k, "v"), "error 1009");
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\R", KEY_ALL_ACCESS, other), ERROR_BADDB);
    EXPECT_EQ(read("quarvelin/registry-current-user.txt"), broken);
}

TEST_F(RegistryTest, AWriteCutOffBeforeItsRenameLeavesTheOldStoreWhole) {
    HKey k = create(HKEY_CURRENT_USER, "Software\\Q");
    ASSERT_EQ(RegSetValueEx(k, "v", REG_SZ, "old"), ERROR_SUCCESS);
    const std::string before = read("quarvelin/registry-current-user.txt");
    qv::base::setAtomicWriteHook([](const std::string&, const std::string&) { return false; });
    EXPECT_EQ(RegSetValueEx(k, "v", REG_SZ, "new"), ERROR_WRITE_FAULT);
    EXPECT_EQ(RegDeleteValue(k, "v"), ERROR_WRITE_FAULT);
    qv::base::setAtomicWriteHook(nullptr);
    EXPECT_EQ(read("quarvelin/registry-current-user.txt"), before);
    EXPECT_EQ(query(k, "v"), "old");
}

}  // namespace
