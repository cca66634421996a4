// The Welcome page's version line: the machine-wide "Version" that the
// product's (32-bit) installer writes, or the built-in one without it.
#include "wizard_fixture.h"

namespace {

constexpr char kMachineKey[] = "Software\\Varnholt\\Productivity";

bool WriteMachineVersion(const std::string& version) {
    return driver::WriteValue(HKEY_LOCAL_MACHINE, kMachineKey, "Version", REG_SZ, version.c_str(),
                              static_cast<DWORD>(version.size() + 1), KEY_WOW64_32KEY);
}

}  // namespace

// The test prefix has no installed product: the machine's key is the test's own.
class WelcomeVersionTest : public WizardTest {
protected:
    void TearDown() override {
        WizardTest::TearDown();
        driver::DeleteKey(HKEY_LOCAL_MACHINE, kMachineKey, KEY_WOW64_32KEY);
    }
    std::string VersionLine() { return driver::Text(Control(IDC_VERSION)); }
};

TEST_F(WelcomeVersionTest, ShowsTheMachinesVersionOrTheBuiltInOne) {
    ASSERT_TRUE(driver::DeleteKey(HKEY_LOCAL_MACHINE, kMachineKey, KEY_WOW64_32KEY));
    ASSERT_TRUE(StartWizard());
    EXPECT_EQ(VersionLine(), "Version: 1.0.0.2");

    ASSERT_TRUE(WriteMachineVersion("4.12.0.117"));
    ASSERT_TRUE(StartWizard());
    EXPECT_EQ(VersionLine(), "Version: 4.12.0.117");
    // The line is made once, when the page is made: a later visit shows the same.
    ASSERT_TRUE(Next());
    ASSERT_TRUE(WriteMachineVersion("5.0"));
    ASSERT_TRUE(ShowPage(0));
    EXPECT_EQ(VersionLine(), "Version: 4.12.0.117");
}
