// The Windows Installer package, as an administrator pushes it: installed,
// upgraded and removed by msiexec without a user interface, in a prefix of
// its own, and the installed wizard started from where the package put it.
#include "driver.h"
#include "resource_reader.h"
#include "shell_items.h"
#include "wizard_fixture.h"

#include <msi.h>
#include <shlobj.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr char kInstallFolder[] = "Quelmar Keyboard";
constexpr char kShortcut[] = "Quelmar Keyboard Configuration.lnk";
constexpr char kMachineKey[] = "Software\\Varnholt\\Productivity";
constexpr const char* kFiles[] = {"Ravlen.exe", "DormexUtil.dll", "DormexDaemon.exe"};
constexpr DWORD kMsiexecMs = 60000;

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string InstallFolder() { return driver::SpecialFolderPath(CSIDL_PROGRAM_FILES) + "\\" + kInstallFolder; }

// Windows Installer puts a per-machine package's shortcuts into the common
// Start menu; Wine 8's msiexec puts them into the installing user's.
bool OnWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }
std::string ShortcutPath(int csidl) { return driver::SpecialFolderPath(csidl) + "\\" + kShortcut; }
std::string InstalledShortcut() { return ShortcutPath(OnWine() ? CSIDL_PROGRAMS : CSIDL_COMMON_PROGRAMS); }

// The machine's "Version", where the profile library reads it.
std::optional<std::string> MachineVersion() {
    const auto value = driver::ReadValue(HKEY_LOCAL_MACHINE, kMachineKey, "Version", KEY_WOW64_32KEY);
    if (!value || value->type != REG_SZ) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(value->data.data()));
}

// The product codes installed under the package's upgrade code.
std::vector<std::string> InstalledProducts() {
    std::vector<std::string> products;
    char code[39] = {};
    for (DWORD i = 0; MsiEnumRelatedProductsA(RAVLEN_MSI_UPGRADE_CODE, 0, i, code) == ERROR_SUCCESS; ++i) {
        products.emplace_back(code);
    }
    return products;
}

std::string ProductInfo(const std::string& product, const char* property) {
    char value[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (MsiGetProductInfoA(product.c_str(), property, value, &size) != ERROR_SUCCESS) return {};
    return value;
}

// The ProductVersion of a program file's version block.
std::string ProgramVersion(const std::string& path) {
    std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&FreeLibrary)> module(
        LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE), &FreeLibrary);
    auto block = module ? driver::LoadVersionBlock(module.get(), 0x0409) : std::nullopt;
    return block ? block->strings["040904B0"]["ProductVersion"] : "";
}

}  // namespace

class MsiPackageTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        RemoveEveryVersion();
        ASSERT_TRUE(InstalledProducts().empty()) << "a package that could not be removed is still installed";
    }
    void TearDown() override {
        WizardTest::TearDown();
        RemoveEveryVersion();
        CoUninitialize();
    }

    // Runs msiexec with the arguments and a verbose log named for the step in
    // the package's log folder; its exit code.
    DWORD Msiexec(const std::string& arguments, const std::string& step) {
        char system[MAX_PATH] = {};
        GetSystemDirectoryA(system, MAX_PATH);
        const std::string log = Env("RAVLEN_MSI_LOGS") + "\\" + step + ".log";
        const std::string program = std::string(system) + "\\msiexec.exe";
        const std::string line = arguments + " /qn /l*v \"" + log + "\"";
        // Wine now and then cannot start a process just after msiexec ended
        // (error 1359, before the new process runs any code): one more try.
        driver::Process msiexec = driver::Process::TryStart(program, line);
        if (!msiexec) {
            driver::Pause(1000);
            msiexec = driver::Process::Start(program, line);
        }
        if (!msiexec || !msiexec.WaitForExit(kMsiexecMs, "msiexec " + step)) return ERROR_TIMEOUT;
        return msiexec.ExitCode();
    }
    DWORD Install(const std::string& package, const std::string& step) {
        return Msiexec("/i \"" + package + "\"", step);
    }
    void RemoveEveryVersion() {
        for (const std::string& product : InstalledProducts()) Msiexec("/x " + product, "remove-leftover");
    }

    // Nothing of the package on the machine: no product, file, folder,
    // shortcut (in either Start menu) or "Version".
    void ExpectNothingInstalled() {
        EXPECT_EQ(InstalledProducts(), std::vector<std::string>{});
        EXPECT_FALSE(Exists(InstallFolder())) << InstallFolder();
        EXPECT_FALSE(Exists(ShortcutPath(CSIDL_COMMON_PROGRAMS)));
        EXPECT_FALSE(Exists(ShortcutPath(CSIDL_PROGRAMS)));
        EXPECT_EQ(MachineVersion(), std::nullopt);
    }
};

// The older package installed silently, the newer one over it (twice), the
// installed wizard started, and the package removed.
TEST_F(MsiPackageTest, NewerVersionReplacesTheOlderAndRemovalKeepsTheUsersProfile) {
    driver::NoteStep("the older package");
    ASSERT_EQ(Install(Env("RAVLEN_MSI_OLDER"), "install-older"), static_cast<DWORD>(ERROR_SUCCESS));
    const std::vector<std::string> older = InstalledProducts();
    ASSERT_EQ(older.size(), 1u);
    const std::string olderVersion = ProductInfo(older[0], INSTALLPROPERTY_VERSIONSTRING);
    EXPECT_EQ(MachineVersion(), olderVersion);

    // One version everywhere: the program's version block, the package's
    // product version, what "Apps and features" shows and the machine's value.
    driver::NoteStep("the newer package over it, then again");
    const std::string program = InstallFolder() + "\\Ravlen.exe";
    const std::string version = ProgramVersion(driver::BinPath("Ravlen.exe"));
    ASSERT_NE(olderVersion, version);
    for (const char* run : {"upgrade", "same-version-again"}) {
        SCOPED_TRACE(run);
        ASSERT_EQ(Install(Env("RAVLEN_MSI"), run), static_cast<DWORD>(ERROR_SUCCESS));
        const std::vector<std::string> products = InstalledProducts();
        ASSERT_EQ(products.size(), 1u);
        EXPECT_NE(products[0], older[0]);
        EXPECT_EQ(ProductInfo(products[0], INSTALLPROPERTY_VERSIONSTRING), version);
        EXPECT_EQ(ProductInfo(products[0], INSTALLPROPERTY_PUBLISHER), "Quelmar");
        EXPECT_EQ(MachineVersion(), version);
        EXPECT_EQ(ProgramVersion(program), version);
        for (const char* file : kFiles) EXPECT_TRUE(Exists(InstallFolder() + "\\" + file)) << file;
        EXPECT_EQ(driver::ShellLinkTarget(InstalledShortcut()), program);
    }

    driver::NoteStep("the installed wizard's Welcome page");
    ASSERT_TRUE(StartWizard(program));
    EXPECT_EQ(driver::Text(Control(IDC_VERSION)), "Version: " + version);
    wizard_.Kill();

    driver::NoteStep("removal");
    ASSERT_TRUE(SetProfileNumber("Buttons", "INavEnable", 0));
    ASSERT_EQ(Msiexec("/x \"" + Env("RAVLEN_MSI") + "\"", "remove"), static_cast<DWORD>(ERROR_SUCCESS));
    ExpectNothingInstalled();
    EXPECT_EQ(ProfileValue("Buttons", "INavEnable"), driver::DwordValue(0));
}

TEST_F(MsiPackageTest, CutShortPackageFailsAndLeavesNothing) {
    driver::NoteStep("a package cut to half its length");
    const std::string cut = driver::TempFilePath("cut-short") + ".msi";
    ASSERT_TRUE(CopyFileA(Env("RAVLEN_MSI").c_str(), cut.c_str(), FALSE));
    std::filesystem::resize_file(cut, std::filesystem::file_size(cut) / 2);

    const DWORD status = Install(cut, "cut-short");
    DeleteFileA(cut.c_str());
    EXPECT_NE(status, static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_NE(status, static_cast<DWORD>(ERROR_SUCCESS_REBOOT_REQUIRED));
    ExpectNothingInstalled();
}
