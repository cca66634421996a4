#include "remote_library.h"

#include "test_step.h"
#include "unique_handle.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <algorithm>
#include <memory>
#include <thread>
#include <vector>

namespace driver {
namespace {

std::string BaseName(const std::string& path) { return path.substr(path.find_last_of("\\/") + 1); }

// The base address in process of the module whose file is called baseName.
HMODULE FindModule(HANDLE process, const std::string& baseName) {
    std::vector<HMODULE> modules(512);
    DWORD needed = 0;
    if (!EnumProcessModulesEx(process, modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &needed,
                              LIST_MODULES_ALL)) {
        return nullptr;
    }
    modules.resize(std::min<size_t>(modules.size(), needed / sizeof(HMODULE)));
    for (HMODULE module : modules) {
        char name[MAX_PATH] = {};
        if (GetModuleBaseNameA(process, module, name, MAX_PATH) && lstrcmpiA(name, baseName.c_str()) == 0) {
            return module;
        }
    }
    return nullptr;
}

// What a thread that makes the remote thread shares with the test's thread;
// it lives as long as the longer of the two.
struct RemoteThread {
    UniqueHandle process;
    UniqueHandle made{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    UniqueHandle thread;
    DWORD error = 0;
};

}  // namespace

std::string FileBesideTest(const std::string& file) {
    char exe[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const std::string path(exe, n < MAX_PATH ? n : 0);
    return path.substr(0, path.find_last_of("\\/") + 1) + file;
}

HMODULE LoadRemoteLibrary(HANDLE process, const std::string& path, DWORD timeoutMs) {
    const std::string cannot = "cannot load " + path + " into process " + std::to_string(GetProcessId(process));
    if (HMODULE loaded = FindModule(process, BaseName(path))) return loaded;
    BOOL ours = FALSE;
    BOOL theirs = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &ours) || !IsWow64Process(process, &theirs) || ours != theirs) {
        ADD_FAILURE() << cannot << ": it differs from the test in bitness";
        return nullptr;
    }
    // LoadLibraryA lies at the same offset in kernel32 there, wherever kernel32 is.
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    HMODULE theirKernel32 = FindModule(process, "kernel32.dll");
    const auto* loadLibrary = reinterpret_cast<const BYTE*>(GetProcAddress(kernel32, "LoadLibraryA"));
    if (!theirKernel32 || !loadLibrary || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        ADD_FAILURE() << cannot << ": no kernel32 there, or no library file";
        return nullptr;
    }
    const auto start = reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<BYTE*>(theirKernel32) +
                                                                (loadLibrary - reinterpret_cast<BYTE*>(kernel32)));
    // A program that is still starting holds its loader lock, and a new thread
    // there waits for it; under Wine the calls that reach into another process
    // are also served by that process between its waits. So the library goes
    // in once the program idles in its message loop (one without a window
    // answers WAIT_FAILED at once).
    NoteStep("loading " + path + " into process " + std::to_string(GetProcessId(process)));
    void* remotePath = VirtualAllocEx(process, nullptr, path.size() + 1, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (WaitForInputIdle(process, timeoutMs) == WAIT_TIMEOUT || !remotePath ||
        !WriteProcessMemory(process, remotePath, path.c_str(), path.size() + 1, nullptr)) {
        ADD_FAILURE() << cannot << ": it did not idle, or took no path (error " << GetLastError() << ")";
        return nullptr;  // the path's few bytes stay there
    }
    // The thread is made from a thread of the test's own: under Wine the
    // creation is carried out by the other process's threads, and should that
    // never happen the call would not return.
    auto run = std::make_shared<RemoteThread>();
    HANDLE copy = nullptr;
    DuplicateHandle(GetCurrentProcess(), process, GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS);
    run->process = UniqueHandle(copy);
    std::thread([run, start, remotePath] {
        run->thread = UniqueHandle(CreateRemoteThread(run->process.get(), nullptr, 0, start, remotePath, 0, nullptr));
        run->error = GetLastError();
        SetEvent(run->made.get());
    }).detach();
    if (WaitForSingleObject(run->made.get(), timeoutMs) != WAIT_OBJECT_0 || !run->thread ||
        WaitForSingleObject(run->thread.get(), timeoutMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << cannot << ": its thread did not start or end in time (error " << run->error << ")";
        return nullptr;
    }
    VirtualFreeEx(process, remotePath, 0, MEM_RELEASE);
    HMODULE loaded = FindModule(process, BaseName(path));
    if (!loaded) ADD_FAILURE() << cannot << ": LoadLibraryA failed there";
    return loaded;
}

}  // namespace driver
