#include "DormexUtil.h"
#include "registry_view.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class MachineValueTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = "Software\\RavlenTests\\Machine" + std::to_string(GetCurrentProcessId());
        TearDown();
    }
    void TearDown() override {
        driver::DeleteKey(HKEY_LOCAL_MACHINE, path_, KEY_WOW64_32KEY);
        driver::DeleteKey(HKEY_LOCAL_MACHINE, path_, KEY_WOW64_64KEY);
    }
    bool Write(REGSAM view, const std::string& value) {
        return driver::WriteValue(HKEY_LOCAL_MACHINE, path_, "Version", REG_SZ, value.c_str(),
                                  static_cast<DWORD>(value.size() + 1), view);
    }
    std::string path_;
};

TEST_F(MachineValueTest, ReadsTheThirtyTwoBitView) {
    char buffer[MAX_PATH];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_FALSE(Reg_GetValueString(HKEY_LOCAL_MACHINE, path_.c_str(), "Version", buffer, MAX_PATH));
    EXPECT_STREQ(buffer, "") << "a missing value leaves the empty string";

    // What only the 64-bit view holds is not what a 32-bit installer wrote.
    ASSERT_TRUE(Write(KEY_WOW64_64KEY, "64-bit view"));
    EXPECT_FALSE(Reg_GetValueString(HKEY_LOCAL_MACHINE, path_.c_str(), "Version", buffer, MAX_PATH));

    ASSERT_TRUE(Write(KEY_WOW64_32KEY, "2.3.0.7"));
    EXPECT_TRUE(Reg_GetValueString(HKEY_LOCAL_MACHINE, path_.c_str(), "Version", buffer, MAX_PATH));
    EXPECT_STREQ(buffer, "2.3.0.7");
}

TEST_F(MachineValueTest, ExpandsVariablesCutsLongValuesAndRejectsOtherTypes) {
    // An installer may keep the version as an expandable string.
    SetEnvironmentVariableA("RAVLEN_TEST_RELEASE", "3.1");
    const std::string expandable = "%RAVLEN_TEST_RELEASE%.0.7";
    ASSERT_TRUE(driver::WriteValue(HKEY_LOCAL_MACHINE, path_, "Version", REG_EXPAND_SZ, expandable.c_str(),
                                   static_cast<DWORD>(expandable.size() + 1), KEY_WOW64_32KEY));
    char expanded[MAX_PATH] = {};
    EXPECT_TRUE(Reg_GetValueString(HKEY_LOCAL_MACHINE, path_.c_str(), "Version", expanded, MAX_PATH));
    EXPECT_STREQ(expanded, "3.1.0.7");
    SetEnvironmentVariableA("RAVLEN_TEST_RELEASE", nullptr);

    ASSERT_TRUE(Write(KEY_WOW64_32KEY, std::string(400, 'v')));
    char buffer[MAX_PATH + 8];
    std::memset(buffer, 0x7F, sizeof buffer);
    EXPECT_TRUE(Reg_GetValueString(HKEY_LOCAL_MACHINE, path_.c_str(), "Version", buffer, MAX_PATH));
    EXPECT_EQ(std::string(buffer), std::string(MAX_PATH - 1, 'v'));
    for (size_t i = MAX_PATH; i < sizeof buffer; ++i) EXPECT_EQ(buffer[i], 0x7F) << "written past the buffer at " << i;

    const DWORD number = 5;
    ASSERT_TRUE(driver::WriteValue(HKEY_LOCAL_MACHINE, path_, "Version", REG_DWORD, &number, sizeof number,
                                   KEY_WOW64_32KEY));
    EXPECT_FALSE(Reg_GetValueString(HKEY_LOCAL_MACHINE, path_.c_str(), "Version", buffer, MAX_PATH));
    EXPECT_STREQ(buffer, "");
}

}  // namespace
