// The Welcome page's version line: the machine-wide "Version" that the
// product's (32-bit) installer writes, or the built-in one without it.
#include "wizard_fixture.h"

#include <optional>

namespace {

constexpr char kMachineKey[] = "Software\\Varnholt\\Productivity";
constexpr REGSAM k32BitView = KEY_WOW64_32KEY;

// Writes the machine's "Version" for the test and puts back what was there.
class ScopedMachineVersion {
public:
    ScopedMachineVersion() : old_(driver::ReadValue(HKEY_LOCAL_MACHINE, kMachineKey, "Version", k32BitView)) {}
    ~ScopedMachineVersion() {
        if (old_) {
            driver::WriteValue(HKEY_LOCAL_MACHINE, kMachineKey, "Version", old_->type, old_->data.data(),
                               static_cast<DWORD>(old_->data.size()), k32BitView);
        } else {
            Remove();
        }
    }
    ScopedMachineVersion(const ScopedMachineVersion&) = delete;
    ScopedMachineVersion& operator=(const ScopedMachineVersion&) = delete;

    bool Write(const std::string& version) const {
        return driver::WriteValue(HKEY_LOCAL_MACHINE, kMachineKey, "Version", REG_SZ, version.c_str(),
                                  static_cast<DWORD>(version.size() + 1), k32BitView);
    }
    void Remove() const {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kMachineKey, 0, KEY_SET_VALUE | k32BitView, &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, "Version");
            RegCloseKey(key);
        }
    }

private:
    std::optional<driver::RegistryValue> old_;
};

}  // namespace

class WelcomeVersionTest : public WizardTest {
protected:
    std::string VersionLine() { return driver::Text(Control(IDC_VERSION)); }
    void Restart() {
        wizard_.Kill();
        ASSERT_TRUE(wizard_.WaitForExit(driver::kWaitMs, "the wizard to end"));
    }
};

TEST_F(WelcomeVersionTest, ShowsTheMachinesVersionOrTheBuiltInOne) {
    ScopedMachineVersion machine;

    machine.Remove();
    ASSERT_TRUE(StartWizard());
    EXPECT_EQ(VersionLine(), "Version: 1.0.0.2");
    Restart();

    ASSERT_TRUE(machine.Write("4.12.0.117"));
    ASSERT_TRUE(StartWizard());
    EXPECT_EQ(VersionLine(), "Version: 4.12.0.117");
    // The line is made once, when the page is made: a later visit shows the same.
    ASSERT_TRUE(Next());
    ASSERT_TRUE(machine.Write("5.0"));
    ASSERT_TRUE(ShowPage(0));
    EXPECT_EQ(VersionLine(), "Version: 4.12.0.117");
}
