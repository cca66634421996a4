#include "import_patch.h"
#include "profile_fixture.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using driver::ReadValue;
using driver::WriteNumber;
using driver::WriteString;
using driver::WriteValue;

namespace {

constexpr BYTE kGuard = 0xCC;

// A buffer with guard bytes after the part that is handed to the library.
struct GuardedBuffer {
    explicit GuardedBuffer(size_t length, BYTE fill = 0x5A) : bytes(length + 16, kGuard), size(length) {
        std::memset(bytes.data(), fill, length);
    }
    char* data() { return reinterpret_cast<char*>(bytes.data()); }
    bool GuardsIntact() const {
        for (size_t i = size; i < bytes.size(); ++i) {
            if (bytes[i] != kGuard) return false;
        }
        return true;
    }
    std::vector<BYTE> bytes;
    size_t size;
};

}  // namespace

TEST_F(ProfileTest, NumberReadsStoredValueOrDefault) {
    DWORD value = 7;
    EXPECT_FALSE(Reg_GetProfileNumber("Buttons", "INavEnable", &value, 1));
    EXPECT_EQ(value, 1u) << "absent value gives the default";

    ASSERT_TRUE(WriteNumber(HKEY_CURRENT_USER, Path("Buttons"), "INavEnable", 0));
    value = 7;
    EXPECT_TRUE(Reg_GetProfileNumber("Buttons", "INavEnable", &value, 1));
    EXPECT_EQ(value, 0u);

    // A negative height round-trips through the 32-bit value.
    ASSERT_TRUE(Reg_SetProfileNumber("OSD", "Height", static_cast<DWORD>(-37)));
    EXPECT_TRUE(Reg_GetProfileNumber("OSD", "Height", &value, 28));
    EXPECT_EQ(static_cast<int>(value), -37);
}

TEST_F(ProfileTest, NumberOfAnotherTypeReadsAsNotFound) {
    // The key-record reader relies on this to fall back to the string.
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, Path("Buttons\\Aux1"), "ActionType", "3"));
    DWORD value = 99;
    EXPECT_FALSE(Reg_GetProfileNumber("Buttons\\Aux1", "ActionType", &value, 5));
    EXPECT_EQ(value, 5u);

    // A REG_DWORD-typed value of the wrong length is not a number either.
    const BYTE twoBytes[2] = {1, 2};
    ASSERT_TRUE(WriteValue(HKEY_CURRENT_USER, Path("OSD"), "Color", REG_DWORD, twoBytes, 2));
    EXPECT_FALSE(Reg_GetProfileNumber("OSD", "Color", &value, 65280));
    EXPECT_EQ(value, 65280u);

    const BYTE block[4] = {1, 0, 0, 0};
    ASSERT_TRUE(WriteValue(HKEY_CURRENT_USER, Path("OSD"), "SizeIndex", REG_BINARY, block, 4));
    EXPECT_FALSE(Reg_GetProfileNumber("OSD", "SizeIndex", &value, 4));
    EXPECT_EQ(value, 4u);
}

TEST_F(ProfileTest, StringReadsStoredValueOrDefault) {
    char buffer[64];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_FALSE(Reg_GetProfileString("OSD", "FaceName", buffer, sizeof buffer, "Arial"));
    EXPECT_STREQ(buffer, "Arial");

    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, Path("OSD"), "FaceName", "Liberation Sans"));
    EXPECT_TRUE(Reg_GetProfileString("OSD", "FaceName", buffer, sizeof buffer, "Arial"));
    EXPECT_STREQ(buffer, "Liberation Sans");

    // A number where a string is expected reads as not found.
    ASSERT_TRUE(WriteNumber(HKEY_CURRENT_USER, Path("OSD"), "FaceName", 12));
    EXPECT_FALSE(Reg_GetProfileString("OSD", "FaceName", buffer, sizeof buffer, "Arial"));
    EXPECT_STREQ(buffer, "Arial");

    // A null default gives the empty string.
    EXPECT_FALSE(Reg_GetProfileString("OSD", "Missing", buffer, sizeof buffer, nullptr));
    EXPECT_STREQ(buffer, "");
}

TEST_F(ProfileTest, OverlongStringsAreCutInsideTheBuffer) {
    const std::string longName(300, 'n');
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, Path("Buttons\\Aux2"), "DisplayName", longName));
    for (size_t size : {1u, 2u, 64u, 260u}) {
        GuardedBuffer buffer(size);
        EXPECT_TRUE(Reg_GetProfileString("Buttons\\Aux2", "DisplayName", buffer.data(), static_cast<DWORD>(size), ""));
        EXPECT_EQ(std::string(buffer.data()), longName.substr(0, size - 1)) << "buffer of " << size;
        EXPECT_TRUE(buffer.GuardsIntact()) << "written past a buffer of " << size;
    }

    // The default is cut the same way.
    GuardedBuffer small(8);
    EXPECT_FALSE(Reg_GetProfileString("Buttons\\Aux2", "Missing", small.data(), 8, "a default too long"));
    EXPECT_STREQ(small.data(), "a defau");
    EXPECT_TRUE(small.GuardsIntact());

    // A zero-sized buffer is left alone.
    GuardedBuffer none(0);
    EXPECT_FALSE(Reg_GetProfileString("Buttons\\Aux2", "DisplayName", none.data(), 0, "x"));
    EXPECT_TRUE(none.GuardsIntact());
}

TEST_F(ProfileTest, StringsStoredWithoutTerminatorOrWithEmbeddedZeroReadCleanly) {
    const char raw[] = {'a', 'b', 'c'};
    ASSERT_TRUE(WriteValue(HKEY_CURRENT_USER, Path("OSD"), "FaceName", REG_SZ, raw, sizeof raw));
    GuardedBuffer buffer(64);
    EXPECT_TRUE(Reg_GetProfileString("OSD", "FaceName", buffer.data(), 64, ""));
    EXPECT_STREQ(buffer.data(), "abc");

    const char embedded[] = "ab\0cd";
    ASSERT_TRUE(WriteValue(HKEY_CURRENT_USER, Path("OSD"), "FaceName", REG_SZ, embedded, sizeof embedded));
    EXPECT_TRUE(Reg_GetProfileString("OSD", "FaceName", buffer.data(), 64, ""));
    EXPECT_STREQ(buffer.data(), "ab");
    EXPECT_TRUE(buffer.GuardsIntact());
}

TEST_F(ProfileTest, BinaryRespectsCapacityAndType) {
    std::vector<BYTE> block(100);
    for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<BYTE>(i * 7);
    ASSERT_TRUE(Reg_SetProfileBinary("Buttons\\Aux3", "ActionParam1", block.data(), 100));

    GuardedBuffer buffer(260);
    DWORD size = 260;
    EXPECT_TRUE(Reg_GetProfileBinary("Buttons\\Aux3", "ActionParam1", buffer.bytes.data(), &size, 0, 0));
    EXPECT_EQ(size, 100u);
    EXPECT_EQ(std::vector<BYTE>(buffer.bytes.begin(), buffer.bytes.begin() + 100), block);
    EXPECT_TRUE(buffer.GuardsIntact());

    // Exactly the capacity fits; one byte more fails and touches nothing.
    std::vector<BYTE> full(260, 0x11);
    ASSERT_TRUE(Reg_SetProfileBinary("Buttons\\Aux3", "ActionParam1", full.data(), 260));
    GuardedBuffer exact(260);
    size = 260;
    EXPECT_TRUE(Reg_GetProfileBinary("Buttons\\Aux3", "ActionParam1", exact.bytes.data(), &size, 0, 0));
    EXPECT_EQ(size, 260u);
    EXPECT_TRUE(exact.GuardsIntact());

    std::vector<BYTE> tooLarge(261, 0x22);
    ASSERT_TRUE(Reg_SetProfileBinary("Buttons\\Aux3", "ActionParam1", tooLarge.data(), 261));
    GuardedBuffer untouched(260);
    size = 260;
    EXPECT_FALSE(Reg_GetProfileBinary("Buttons\\Aux3", "ActionParam1", untouched.bytes.data(), &size, 0, 0));
    EXPECT_EQ(size, 0u);
    EXPECT_TRUE(std::all_of(untouched.bytes.begin(), untouched.bytes.begin() + 260, [](BYTE b) { return b == 0x5A; }));
    EXPECT_TRUE(untouched.GuardsIntact());

    // A string is not a byte block.
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, Path("Buttons\\Aux3"), "ActionParam1", "text"));
    size = 260;
    EXPECT_FALSE(Reg_GetProfileBinary("Buttons\\Aux3", "ActionParam1", untouched.bytes.data(), &size, 0, 0));
    EXPECT_EQ(untouched.bytes[0], 0x5A);

    // Absent value, and an empty block that is present.
    size = 260;
    EXPECT_FALSE(Reg_GetProfileBinary("Buttons\\Aux3", "Missing", untouched.bytes.data(), &size, 0, 0));
    ASSERT_TRUE(Reg_SetProfileBinary("Buttons\\Aux3", "Empty", nullptr, 0));
    size = 260;
    EXPECT_TRUE(Reg_GetProfileBinary("Buttons\\Aux3", "Empty", untouched.bytes.data(), &size, 0, 0));
    EXPECT_EQ(size, 0u);
}

namespace {

// The library's allocator, made to refuse large blocks: what a value too big
// for the process's memory does to the library's reads.
using Malloc = void*(__cdecl*)(size_t);
Malloc g_realMalloc = nullptr;
void* __cdecl RefuseLargeBlocks(size_t size) { return size > 64 * 1024 ? nullptr : g_realMalloc(size); }

}  // namespace

TEST_F(ProfileTest, AFailedAllocationIsAFailedReadWithTheDefault) {
    // Huge values of every type the readers ask for.
    const std::vector<BYTE> huge(256 * 1024, 'x');
    for (DWORD type : {REG_SZ, REG_DWORD, REG_BINARY}) {
        const std::string name = "Huge" + std::to_string(type);
        ASSERT_TRUE(WriteValue(HKEY_CURRENT_USER, Path("OSD"), name, type, huge.data(), static_cast<DWORD>(huge.size())));
    }
    HMODULE library = GetModuleHandleA("DormexUtil.dll");
    g_realMalloc = reinterpret_cast<Malloc>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("msvcrt.dll"), "malloc")));
    ASSERT_NE(g_realMalloc, nullptr);
    ASSERT_GT(RedirectImports(library, reinterpret_cast<const void*>(g_realMalloc),
                              reinterpret_cast<const void*>(&RefuseLargeBlocks)), 0);

    char text[16] = {};
    DWORD number = 0;
    BYTE block[16] = {};
    DWORD size = sizeof block;
    const BOOL readText = Reg_GetProfileString("OSD", "Huge1", text, sizeof text, "fallback");
    const BOOL readNumber = Reg_GetProfileNumber("OSD", "Huge4", &number, 77);
    const BOOL readBlock = Reg_GetProfileBinary("OSD", "Huge3", block, &size, 0, 0);
    RedirectImports(library, reinterpret_cast<const void*>(&RefuseLargeBlocks), reinterpret_cast<const void*>(g_realMalloc));

    EXPECT_FALSE(readText);
    EXPECT_STREQ(text, "fallback");
    EXPECT_FALSE(readNumber);
    EXPECT_EQ(number, 77u);
    EXPECT_FALSE(readBlock);
    EXPECT_EQ(size, 0u);
}

TEST_F(ProfileTest, WritesCreateSubkeysWithTheRegistryTypes) {
    ASSERT_TRUE(Reg_SetProfileNumber("A\\B\\C", "Number", 1200));
    ASSERT_TRUE(Reg_SetProfileString("A\\B\\C", "Text", "Arial"));
    const BYTE bytes[3] = {1, 2, 3};
    ASSERT_TRUE(Reg_SetProfileBinary("A\\B\\C", "Block", bytes, 3));

    auto number = ReadValue(HKEY_CURRENT_USER, Path("A\\B\\C"), "Number");
    ASSERT_TRUE(number);
    EXPECT_EQ(number->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(driver::ReadNumber(HKEY_CURRENT_USER, Path("A\\B\\C"), "Number"), 1200u);

    auto text = ReadValue(HKEY_CURRENT_USER, Path("A\\B\\C"), "Text");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(text->data, (std::vector<BYTE>{'A', 'r', 'i', 'a', 'l', 0}));

    auto block = ReadValue(HKEY_CURRENT_USER, Path("A\\B\\C"), "Block");
    ASSERT_TRUE(block);
    EXPECT_EQ(block->type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(block->data, (std::vector<BYTE>{1, 2, 3}));

    // An empty subkey names the root itself.
    ASSERT_TRUE(Reg_SetProfileNumber("", "AtRoot", 5));
    EXPECT_EQ(driver::ReadNumber(HKEY_CURRENT_USER, root_, "AtRoot"), 5u);
}

TEST_F(ProfileTest, DeleteRemovesTheChildTreeAndKeepsItsParent) {
    ASSERT_TRUE(Reg_SetProfileNumber("Buttons", "INavEnable", 1));
    ASSERT_TRUE(Reg_SetProfileString("Buttons\\Aux1", "DisplayName", "Mail"));
    ASSERT_TRUE(Reg_SetProfileNumber("Buttons\\Aux1\\Deeper", "Level", 2));
    ASSERT_TRUE(Reg_SetProfileString("Buttons\\Aux2", "DisplayName", "Web"));

    EXPECT_TRUE(Reg_DelProfileKey("Buttons", "Aux1"));
    EXPECT_FALSE(driver::KeyExists(HKEY_CURRENT_USER, Path("Buttons\\Aux1")));
    EXPECT_EQ(driver::ReadNumber(HKEY_CURRENT_USER, Path("Buttons"), "INavEnable"), 1u);
    EXPECT_EQ(driver::ReadString(HKEY_CURRENT_USER, Path("Buttons\\Aux2"), "DisplayName"), "Web");

    // Deleting what is not there fails quietly; an empty child name must not
    // empty the parent.
    EXPECT_FALSE(Reg_DelProfileKey("Buttons", "Aux1"));
    EXPECT_FALSE(Reg_DelProfileKey("Buttons", ""));
    EXPECT_FALSE(Reg_DelProfileKey("Nowhere", "Aux1"));
    EXPECT_TRUE(driver::KeyExists(HKEY_CURRENT_USER, Path("Buttons\\Aux2")));
}

TEST_F(ProfileTest, WithoutARootReadsGiveDefaultsAndWritesFail) {
    ASSERT_TRUE(Reg_SetProfileNumber("Buttons", "INavEnable", 0));
    EXPECT_FALSE(Reg_InitProfile("", "tester"));

    DWORD value = 9;
    EXPECT_FALSE(Reg_GetProfileNumber("Buttons", "INavEnable", &value, 1));
    EXPECT_EQ(value, 1u);
    EXPECT_FALSE(Reg_SetProfileNumber("Buttons", "INavEnable", 1));

    ASSERT_TRUE(Reg_InitProfile((root_ + "\\").c_str(), ""));
    EXPECT_TRUE(Reg_GetProfileNumber("Buttons", "INavEnable", &value, 1));
    EXPECT_EQ(value, 0u) << "a trailing separator on the root names the same profile";
}
