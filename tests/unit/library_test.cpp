// The library's exports besides the profile: their names, starting the
// daemon and reading a machine value. (Links are read through the shell trees.)
#include "DormexUtil.h"
#include "driver.h"
#include "launched_process.h"
#include "registry_view.h"
#include "shell_items.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// A path under %TEMP% that names this test process.
std::string TempPath(const std::string& name) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + std::to_string(GetCurrentProcessId()) + "-" + name;
}

}  // namespace

// The wizard imports the library by these plain names; a decorated or missing
// export would stop it from loading.
TEST(Exports, AllElevenFunctionsByUndecoratedName) {
    HMODULE library = LoadLibraryA("DormexUtil.dll");
    ASSERT_NE(library, nullptr);
    for (const char* name : {"Reg_InitProfile", "Reg_GetProfileNumber", "Reg_GetProfileString", "Reg_GetProfileBinary",
                             "Reg_SetProfileNumber", "Reg_SetProfileString", "Reg_SetProfileBinary",
                             "Reg_DelProfileKey", "Reg_GetValueString", "LaunchProgram", "GetLinkInfoEx"}) {
        EXPECT_NE(GetProcAddress(library, name), nullptr) << name;
    }
    FreeLibrary(library);
}

// The daemon is started from the library's own folder only: a program of its
// name planted in the current folder or on the search path, or one that is
// nowhere, never runs.
TEST(Launch, OnlyTheProgramBesideTheLibraryRuns) {
    EXPECT_FALSE(LaunchProgram("RavlenNoSuchProgram.EXE", nullptr, nullptr, 0));
    EXPECT_FALSE(LaunchProgram("", nullptr, nullptr, 0));
    const std::string libraryFolder = TempPath("RavlenLaunchLib");
    const std::string plantedFolder = TempPath("RavlenLaunchPlanted");
    ASSERT_TRUE(driver::MakeFolders(libraryFolder) && driver::MakeFolders(plantedFolder));
    const std::string library = libraryFolder + "\\DormexUtilCopy.dll";
    ASSERT_TRUE(CopyFileA(driver::BinPath("DormexUtil.dll").c_str(), library.c_str(), FALSE));
    // The stand-in program writes a line to RAVLEN_URL_LOG when it runs.
    const std::string recorder = driver::FileBesideTest("UrlRecorder.exe");
    ASSERT_TRUE(CopyFileA(recorder.c_str(), (plantedFolder + "\\DormexDaemon.EXE").c_str(), FALSE));
    const std::string log = plantedFolder + "\\ran.log";
    driver::ScopedEnvironment logName("RAVLEN_URL_LOG", log);
    char path[32768] = {};
    GetEnvironmentVariableA("PATH", path, sizeof path);
    driver::ScopedEnvironment searchPath("PATH", plantedFolder + ";" + path);
    char oldFolder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, oldFolder);
    ASSERT_TRUE(SetCurrentDirectoryA(plantedFolder.c_str()));

    HMODULE copy = LoadLibraryA(library.c_str());
    ASSERT_NE(copy, nullptr);
    auto launch =
        reinterpret_cast<decltype(&LaunchProgram)>(reinterpret_cast<void*>(GetProcAddress(copy, "LaunchProgram")));
    ASSERT_NE(launch, nullptr);
    EXPECT_FALSE(launch("DormexDaemon.EXE", nullptr, nullptr, 0)) << "started the planted program";
    ASSERT_TRUE(CopyFileA(recorder.c_str(), (libraryFolder + "\\DormexDaemon.EXE").c_str(), FALSE));
    EXPECT_TRUE(launch("DormexDaemon.EXE", nullptr, nullptr, 0));
    EXPECT_TRUE(driver::WaitUntil([&] { return GetFileAttributesA(log.c_str()) != INVALID_FILE_ATTRIBUTES; },
                                  driver::kWaitMs, "the program beside it to run"));
    FreeLibrary(copy);
    SetCurrentDirectoryA(oldFolder);
    EXPECT_TRUE(driver::RemoveTree(libraryFolder) && driver::RemoveTree(plantedFolder));
}

// A machine value is read from the 32-bit view that a 32-bit installer writes,
// as a string, expanded and cut inside the buffer; anything else reads empty.
TEST(MachineValue, ReadsTheThirtyTwoBitViewsStringInsideTheBuffer) {
    const std::string path = "Software\\RavlenTests\\Machine" + std::to_string(GetCurrentProcessId());
    driver::ScopedEnvironment release("RAVLEN_TEST_RELEASE", "3.1");
    const DWORD number = 5;
    const std::string text = "2.3.0.7";
    const std::string expandable = "%RAVLEN_TEST_RELEASE%.0.7";
    const std::string longText(400, 'v');
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
        EXPECT_EQ(std::string(buffer + MAX_PATH, 8), std::string(8, '\x7F')) << "written past the buffer";
    }
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) driver::DeleteKey(HKEY_LOCAL_MACHINE, path, view);
}
