#include "DormexUtil.h"
#include "process.h"
#include "remote_library.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(Launch, AProgramThatIsNowhereIsNotStarted) {
    EXPECT_FALSE(LaunchProgram("RavlenNoSuchProgram.EXE", nullptr, nullptr, 0));
    EXPECT_FALSE(LaunchProgram("", nullptr, nullptr, 0));
}

namespace {

// A folder of the test's own under %TEMP%, removed with the files named in it.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name) {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + name + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder() {
        for (const std::string& file : files_) DeleteFileA(file.c_str());
        RemoveDirectoryA(path_.c_str());
    }
    std::string File(const std::string& name) { return files_.emplace_back(path_ + "\\" + name); }
    // A copy of the file in the folder; empty when it cannot be made.
    std::string Copy(const std::string& from, const std::string& name) {
        const std::string to = File(name);
        return CopyFileA(from.c_str(), to.c_str(), FALSE) ? to : std::string();
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::vector<std::string> files_;
};

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

// The daemon is started from the library's own folder only: a program of its
// name planted in the current folder or on the search path never runs.
TEST(Launch, OnlyTheProgramBesideTheLibraryRuns) {
    ScratchFolder libraryFolder("RavlenLaunchLib");
    ScratchFolder plantedFolder("RavlenLaunchPlanted");
    const std::string library = libraryFolder.Copy(driver::BinPath("DormexUtil.dll"), "DormexUtilCopy.dll");
    ASSERT_FALSE(library.empty());
    // The stand-in program writes a line to RAVLEN_URL_LOG when it runs.
    const std::string recorder = driver::FileBesideTest("UrlRecorder.exe");
    ASSERT_FALSE(plantedFolder.Copy(recorder, "DormexDaemon.EXE").empty());
    const std::string log = plantedFolder.File("ran.log");
    DeleteFileA(log.c_str());
    driver::ScopedEnvironment logName("RAVLEN_URL_LOG", log);
    char path[32768] = {};
    GetEnvironmentVariableA("PATH", path, sizeof path);
    driver::ScopedEnvironment searchPath("PATH", plantedFolder.path() + ";" + path);
    char oldFolder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, oldFolder);
    ASSERT_TRUE(SetCurrentDirectoryA(plantedFolder.path().c_str()));

    HMODULE copy = LoadLibraryA(library.c_str());
    ASSERT_NE(copy, nullptr);
    auto launch = reinterpret_cast<decltype(&LaunchProgram)>(reinterpret_cast<void*>(GetProcAddress(copy, "LaunchProgram")));
    ASSERT_NE(launch, nullptr);
    EXPECT_FALSE(launch("DormexDaemon.EXE", nullptr, nullptr, 0)) << "started the planted program";
    ASSERT_FALSE(libraryFolder.Copy(recorder, "DormexDaemon.EXE").empty());
    EXPECT_TRUE(launch("DormexDaemon.EXE", nullptr, nullptr, 0));
    EXPECT_TRUE(driver::WaitUntil([&] { return FileExists(log); }, driver::kWaitMs, "the program beside it to run"));
    FreeLibrary(copy);
    SetCurrentDirectoryA(oldFolder);
}
