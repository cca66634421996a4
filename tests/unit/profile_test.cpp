#include "import_patch.h"
#include "profile_fixture.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using driver::ReadValue;
using driver::RegistryValue;
using driver::WriteValue;

namespace {

constexpr BYTE kGuard = 0xCC, kFill = 0x5A;

// A buffer of the given length, filled, with guard bytes after it.
struct GuardedBuffer {
    explicit GuardedBuffer(size_t length) : bytes(length + 16, kGuard), size(length) {
        std::memset(bytes.data(), kFill, length);
    }
    char* text() { return reinterpret_cast<char*>(bytes.data()); }
    bool GuardsIntact() const { return std::all_of(bytes.begin() + static_cast<long>(size), bytes.end(), [](BYTE b) { return b == kGuard; }); }
    bool Untouched() const { return std::all_of(bytes.begin(), bytes.begin() + static_cast<long>(size), [](BYTE b) { return b == kFill; }); }
    std::vector<BYTE> bytes;
    size_t size;
};

RegistryValue Raw(DWORD type, const std::vector<BYTE>& data) { return RegistryValue{type, data}; }
RegistryValue Text(const char* text, size_t size) { return Raw(REG_SZ, std::vector<BYTE>(text, text + size)); }

class ProfileValues : public ProfileTest {
protected:
    // Stores the value (none when its type is REG_NONE) as OSD\Value.
    void Store(const RegistryValue& value) {
        driver::DeleteKey(HKEY_CURRENT_USER, Path("OSD"));
        if (value.type != REG_NONE) {
            ASSERT_TRUE(WriteValue(HKEY_CURRENT_USER, Path("OSD"), "Value", value.type, value.data.data(),
                                   static_cast<DWORD>(value.data.size())));
        }
    }
};

}  // namespace

// Only a value of the asked type is read; anything else is the default.
TEST_F(ProfileValues, NumbersAndStringsReadOnlyTheirOwnType) {
    const struct {
        const char* what;
        RegistryValue stored;
        BOOL number;
        DWORD value;  // as read with the default 65280
        BOOL string;
        const char* text;  // as read with the default "Arial"
    } rows[] = {
        {"nothing", Raw(REG_NONE, {}), FALSE, 65280, FALSE, "Arial"},
        {"a number", driver::DwordValue(0), TRUE, 0, FALSE, "Arial"},
        {"a negative number", driver::DwordValue(static_cast<DWORD>(-37)), TRUE, static_cast<DWORD>(-37), FALSE, "Arial"},
        {"a string", driver::SzValue("Liberation Sans"), FALSE, 65280, TRUE, "Liberation Sans"},
        {"a number as text", driver::SzValue("3"), FALSE, 65280, TRUE, "3"},
        {"a two-byte REG_DWORD", Raw(REG_DWORD, {1, 2}), FALSE, 65280, FALSE, "Arial"},
        {"a block of four bytes", Raw(REG_BINARY, {1, 0, 0, 0}), FALSE, 65280, FALSE, "Arial"},
        {"a string without its zero", Text("abc", 3), FALSE, 65280, TRUE, "abc"},
        {"a string with a zero inside", Text("ab\0cd", 6), FALSE, 65280, TRUE, "ab"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Store(row.stored);
        DWORD value = 7;
        EXPECT_EQ(Reg_GetProfileNumber("OSD", "Value", &value, 65280), row.number);
        EXPECT_EQ(value, row.value);
        GuardedBuffer buffer(64);
        EXPECT_EQ(Reg_GetProfileString("OSD", "Value", buffer.text(), 64, "Arial"), row.string);
        EXPECT_STREQ(buffer.text(), row.text);
        EXPECT_TRUE(buffer.GuardsIntact());
    }
    // A null default gives the empty string.
    char buffer[8] = "x";
    EXPECT_FALSE(Reg_GetProfileString("OSD", "Missing", buffer, sizeof buffer, nullptr));
    EXPECT_STREQ(buffer, "");
}

TEST_F(ProfileTest, OverlongStringsAndDefaultsAreCutInsideTheBuffer) {
    const std::string longName(300, 'n');
    ASSERT_TRUE(Reg_SetProfileString("Buttons\\Aux2", "DisplayName", longName.c_str()));
    for (size_t size : {1u, 2u, 64u, 260u}) {
        GuardedBuffer buffer(size);
        EXPECT_TRUE(Reg_GetProfileString("Buttons\\Aux2", "DisplayName", buffer.text(), static_cast<DWORD>(size), ""));
        EXPECT_EQ(std::string(buffer.text()), longName.substr(0, size - 1)) << "buffer of " << size;
        EXPECT_TRUE(buffer.GuardsIntact()) << "written past a buffer of " << size;
    }
    GuardedBuffer small(8);
    EXPECT_FALSE(Reg_GetProfileString("Buttons\\Aux2", "Missing", small.text(), 8, "a default too long"));
    EXPECT_STREQ(small.text(), "a defau");
    EXPECT_TRUE(small.GuardsIntact());
    GuardedBuffer none(0);
    EXPECT_FALSE(Reg_GetProfileString("Buttons\\Aux2", "DisplayName", none.text(), 0, "x"));
    EXPECT_TRUE(none.GuardsIntact()) << "a zero-sized buffer is left alone";
}

// A block up to the capacity is read whole; a larger one, or a value of
// another type, fails and leaves the buffer untouched.
TEST_F(ProfileTest, BlocksAreReadUpToTheCapacityOnly) {
    std::vector<BYTE> counting(100);
    for (size_t i = 0; i < counting.size(); ++i) counting[i] = static_cast<BYTE>(i * 7);
    const struct {
        std::vector<BYTE> stored;
        bool text;
        BOOL read;
        DWORD size;
    } rows[] = {{counting, false, TRUE, 100},
                {std::vector<BYTE>(260, 0x11), false, TRUE, 260},
                {std::vector<BYTE>(261, 0x22), false, FALSE, 0},
                {{}, false, TRUE, 0},
                {{'t', 'e', 'x', 't', 0}, true, FALSE, 0}};
    for (const auto& row : rows) {
        ASSERT_TRUE(row.text ? Reg_SetProfileString("Buttons\\Aux3", "Block", "text")
                             : Reg_SetProfileBinary("Buttons\\Aux3", "Block", row.stored.data(),
                                                    static_cast<DWORD>(row.stored.size())));
        GuardedBuffer buffer(260);
        DWORD size = 260;
        EXPECT_EQ(Reg_GetProfileBinary("Buttons\\Aux3", "Block", buffer.bytes.data(), &size, 0, 0), row.read);
        EXPECT_EQ(size, row.size) << "block of " << row.stored.size();
        EXPECT_TRUE(row.read ? std::equal(row.stored.begin(), row.stored.end(), buffer.bytes.begin())
                             : buffer.Untouched()) << "block of " << row.stored.size();
        EXPECT_TRUE(buffer.GuardsIntact()) << "block of " << row.stored.size();
    }
    DWORD size = 260;
    EXPECT_FALSE(Reg_GetProfileBinary("Buttons\\Aux3", "Missing", counting.data(), &size, 0, 0));
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

TEST_F(ProfileTest, DeleteRemovesTheChildTreeAndKeepsItsParent) {
    ASSERT_TRUE(Reg_SetProfileNumber("Buttons", "INavEnable", 1));
    ASSERT_TRUE(Reg_SetProfileString("Buttons\\Aux1", "DisplayName", "Mail"));
    ASSERT_TRUE(Reg_SetProfileNumber("Buttons\\Aux1\\Deeper", "Level", 2));
    ASSERT_TRUE(Reg_SetProfileString("Buttons\\Aux2", "DisplayName", "Web"));
    EXPECT_TRUE(Reg_DelProfileKey("Buttons", "Aux1"));
    EXPECT_FALSE(driver::KeyExists(HKEY_CURRENT_USER, Path("Buttons\\Aux1")));
    EXPECT_EQ(driver::ReadNumber(HKEY_CURRENT_USER, Path("Buttons"), "INavEnable"), 1u);
    // Deleting what is not there fails quietly; an empty child name must not empty the parent.
    EXPECT_FALSE(Reg_DelProfileKey("Buttons", "Aux1"));
    EXPECT_FALSE(Reg_DelProfileKey("Buttons", ""));
    EXPECT_FALSE(Reg_DelProfileKey("Nowhere", "Aux1"));
    EXPECT_EQ(driver::ReadString(HKEY_CURRENT_USER, Path("Buttons\\Aux2"), "DisplayName"), "Web");
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
