#include "DormexUtil.h"
#include "registry_view.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

// A machine value is read from the 32-bit view that a 32-bit installer writes,
// as a string, expanded and cut inside the buffer; anything else reads empty.
TEST(MachineValue, ReadsTheThirtyTwoBitViewsStringInsideTheBuffer) {
    const std::string path = "Software\\RavlenTests\\Machine" + std::to_string(GetCurrentProcessId());
    SetEnvironmentVariableA("RAVLEN_TEST_RELEASE", "3.1");
    const DWORD number = 5;
    const std::string text = "2.3.0.7", expandable = "%RAVLEN_TEST_RELEASE%.0.7", longText(400, 'v');
    const struct {
        const char* what;
        REGSAM view;
        DWORD type;
        const void* data;
        size_t size;
        BOOL read;
        std::string value;
    } rows[] = {
        {"nothing", 0, REG_NONE, nullptr, 0, FALSE, ""},
        {"only in the 64-bit view", KEY_WOW64_64KEY, REG_SZ, text.c_str(), text.size() + 1, FALSE, ""},
        {"a string", KEY_WOW64_32KEY, REG_SZ, text.c_str(), text.size() + 1, TRUE, text},
        {"an expandable string", KEY_WOW64_32KEY, REG_EXPAND_SZ, expandable.c_str(), expandable.size() + 1, TRUE,
         "3.1.0.7"},
        {"a string longer than the buffer", KEY_WOW64_32KEY, REG_SZ, longText.c_str(), longText.size() + 1, TRUE,
         std::string(MAX_PATH - 1, 'v')},
        {"a number", KEY_WOW64_32KEY, REG_DWORD, &number, sizeof number, FALSE, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) driver::DeleteKey(HKEY_LOCAL_MACHINE, path, view);
        if (row.data) {
            ASSERT_TRUE(driver::WriteValue(HKEY_LOCAL_MACHINE, path, "Version", row.type, row.data,
                                           static_cast<DWORD>(row.size), row.view));
        }
        char buffer[MAX_PATH + 8];
        std::memset(buffer, 0x7F, sizeof buffer);
        EXPECT_EQ(Reg_GetValueString(HKEY_LOCAL_MACHINE, path.c_str(), "Version", buffer, MAX_PATH), row.read);
        EXPECT_EQ(std::string(buffer, strnlen(buffer, sizeof buffer)), row.value);
        for (size_t i = MAX_PATH; i < sizeof buffer; ++i) EXPECT_EQ(buffer[i], 0x7F) << "written past the buffer at " << i;
    }
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) driver::DeleteKey(HKEY_LOCAL_MACHINE, path, view);
    SetEnvironmentVariableA("RAVLEN_TEST_RELEASE", nullptr);
}
