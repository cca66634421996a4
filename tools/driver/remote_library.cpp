#include "remote_library.h"
#include "remote_memory.h"
#include "test_step.h"
#include "unique_handle.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <memory>
#include <thread>
#include <vector>

namespace driver {
namespace {


// A library loaded for its addresses only: no imports resolved, no DllMain run.
class LocalImage {
public:
    explicit LocalImage(const std::string& path)
        : module_(LoadLibraryExA(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES)) {}
    ~LocalImage() {
        if (module_) FreeLibrary(module_);
    }
    LocalImage(const LocalImage&) = delete;
    LocalImage& operator=(const LocalImage&) = delete;
    HMODULE get() const { return module_; }

private:
    HMODULE module_;
};

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The base address in process of the module whose file is called baseName.
HMODULE FindModule(HANDLE process, const std::string& baseName) {
    std::vector<HMODULE> modules(256);
    DWORD needed = 0;
    for (;;) {
        const DWORD bytes = static_cast<DWORD>(modules.size() * sizeof(HMODULE));
        if (!EnumProcessModulesEx(process, modules.data(), bytes, &needed, LIST_MODULES_ALL)) return nullptr;
        if (needed <= bytes) break;
        modules.resize(needed / sizeof(HMODULE));
    }
    modules.resize(needed / sizeof(HMODULE));
    for (HMODULE module : modules) {
        char name[MAX_PATH] = {};
        if (GetModuleBaseNameA(process, module, name, MAX_PATH) && lstrcmpiA(name, baseName.c_str()) == 0) {
            return module;
        }
    }
    return nullptr;
}

// Where a function of this process lies in process: the same offset in the
// same module, which need not be loaded at the same address there.
LPTHREAD_START_ROUTINE RemoteAddressOf(HANDLE process, const void* local) {
    HMODULE localModule = nullptr;
    char file[MAX_PATH] = {};
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCSTR>(local), &localModule) ||
        !GetModuleFileNameA(localModule, file, MAX_PATH)) {
        return nullptr;
    }
    HMODULE remoteModule = FindModule(process, BaseName(file));
    if (!remoteModule) return nullptr;
    const auto offset = static_cast<const BYTE*>(local) - reinterpret_cast<const BYTE*>(localModule);
    return reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<BYTE*>(remoteModule) + offset);
}

bool SameBitness(HANDLE process) {
    BOOL ours = FALSE;
    BOOL theirs = FALSE;
    return IsWow64Process(GetCurrentProcess(), &ours) && IsWow64Process(process, &theirs) && ours == theirs;
}

// One thread made in another process, from creation to exit code. It is made
// on a thread of the test's own: under Wine the creation is carried out by the
// other process's threads between their waits, and should that never happen
// the call would not return. The test waits for it a limited time; the
// waiting thread ends when the process does.
struct RemoteRun {
    UniqueHandle process;
    LPTHREAD_START_ROUTINE start;
    void* parameter;
    DWORD timeoutMs;
    UniqueHandle done{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    bool created = false;
    bool ended = false;
    DWORD error = 0;
    DWORD code = 0;

    void Run() {
        UniqueHandle thread(CreateRemoteThread(process.get(), nullptr, 0, start, parameter, 0, nullptr));
        if (!thread) {
            error = GetLastError();
        } else {
            created = true;
            ended = WaitForSingleObject(thread.get(), timeoutMs) == WAIT_OBJECT_0;
            if (ended) GetExitCodeThread(thread.get(), &code);
        }
        SetEvent(done.get());
    }
};

// Runs start(parameter) on a new thread in process; its exit code, or nothing
// (and a failure naming what) if it cannot start or does not end in time.
std::optional<DWORD> RunRemoteThread(HANDLE process, LPTHREAD_START_ROUTINE start, void* parameter, DWORD timeoutMs,
                                     const std::string& what) {
    const DWORD id = GetProcessId(process);
    NoteStep("running " + what + " on a new thread in process " + std::to_string(id));
    HANDLE copy = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), process, GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS)) {
        ADD_FAILURE() << "cannot hold process " << id << " (error " << GetLastError() << ")";
        return std::nullopt;
    }
    auto run = std::make_shared<RemoteRun>();
    run->process = UniqueHandle(copy);
    run->start = start;
    run->parameter = parameter;
    run->timeoutMs = timeoutMs;
    if (!run->done) {
        ADD_FAILURE() << "cannot make an event (error " << GetLastError() << ")";
        return std::nullopt;
    }
    std::thread([run] { run->Run(); }).detach();
    if (WaitForSingleObject(run->done.get(), timeoutMs + 1000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "making a thread for " << what << " in process " << id << " did not return within "
                      << timeoutMs + 1000 << " ms";
        return std::nullopt;
    }
    if (!run->created) {
        ADD_FAILURE() << "cannot start a thread for " << what << " in process " << id << " (error " << run->error
                      << ")";
        return std::nullopt;
    }
    if (!run->ended) {
        ADD_FAILURE() << what << " did not finish within " << timeoutMs << " ms in process " << id;
        return std::nullopt;
    }
    return run->code;
}

}  // namespace

std::string FileBesideTest(const std::string& file) {
    char exe[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string folder(exe, n < MAX_PATH ? n : 0);
    const size_t slash = folder.find_last_of("\\/");
    folder = slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
    return folder + "\\" + file;
}

HMODULE LoadRemoteLibrary(HANDLE process, const std::string& path, DWORD timeoutMs) {
    const DWORD id = GetProcessId(process);
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        ADD_FAILURE() << "cannot load " << path << " into process " << id << ": the file is missing";
        return nullptr;
    }
    if (!SameBitness(process)) {
        ADD_FAILURE() << "cannot load " << path << " into process " << id << ": it differs from the test in bitness";
        return nullptr;
    }
    const void* loadLibrary =
        reinterpret_cast<const void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA"));
    LPTHREAD_START_ROUTINE remoteLoadLibrary = loadLibrary ? RemoteAddressOf(process, loadLibrary) : nullptr;
    if (!remoteLoadLibrary) {
        ADD_FAILURE() << "cannot find LoadLibraryA in process " << id;
        return nullptr;
    }
    // A program that is still starting holds its loader lock while it loads
    // libraries, and a new thread there waits for that lock; under Wine, the
    // calls that reach into another process (memory, threads) are also served
    // by that process between its waits. So the library goes in once the
    // program idles in its message loop. A program without one (no window)
    // answers WAIT_FAILED at once.
    NoteStep("waiting for process " + std::to_string(id) + " to idle before loading " + path);
    if (WaitForInputIdle(process, timeoutMs) == WAIT_TIMEOUT) {
        ADD_FAILURE() << "cannot load " << path << " into process " << id << ": it did not idle within " << timeoutMs
                      << " ms";
        return nullptr;
    }
    RemoteMemory remotePath(process, path.size() + 1);
    if (!remotePath.get() || !WriteProcessMemory(process, remotePath.get(), path.c_str(), path.size() + 1, nullptr)) {
        ADD_FAILURE() << "cannot write the library's path into process " << id << " (error " << GetLastError() << ")";
        return nullptr;
    }
    const std::string what = "LoadLibraryA(\"" + path + "\")";
    const std::optional<DWORD> result = RunRemoteThread(process, remoteLoadLibrary, remotePath.get(), timeoutMs, what);
    if (!result) return nullptr;
    // The exit code holds only the low half of a 64-bit module handle: the
    // module list tells whether the library is there, and where.
    HMODULE remoteBase = FindModule(process, BaseName(path));
    if (!remoteBase) {
        ADD_FAILURE() << what << " failed in process " << id << " (thread exit code " << *result << ")";
    }
    return remoteBase;
}

std::optional<DWORD> RunRemoteExport(HANDLE process, HMODULE remoteBase, const std::string& path,
                                     const char* exportName, DWORD timeoutMs, void* parameter) {
    LocalImage image(path);
    const void* local = image.get() ? reinterpret_cast<const void*>(GetProcAddress(image.get(), exportName)) : nullptr;
    if (!local) {
        ADD_FAILURE() << path << " does not export " << exportName;
        return std::nullopt;
    }
    const auto offset = static_cast<const BYTE*>(local) - reinterpret_cast<const BYTE*>(image.get());
    auto start = reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<BYTE*>(remoteBase) + offset);
    return RunRemoteThread(process, start, parameter, timeoutMs, exportName);
}

}  // namespace driver
