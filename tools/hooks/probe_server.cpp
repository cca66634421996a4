// The frame probe's own thread in the program: it waits for the test's
// request event, runs the export the section names, and answers.
#include "probe_call.h"

namespace {

HMODULE ThisLibrary() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ThisLibrary), &self);
    return self;
}

// What the thread holds; it lives as long as the program.
struct Server {
    HANDLE section;
    probe_call::Section* call;
    HANDLE request;
    HANDLE answer;
};

DWORD WINAPI Serve(LPVOID param) {
    auto* server = static_cast<Server*>(param);
    while (WaitForSingleObject(server->request, INFINITE) == WAIT_OBJECT_0) {
        probe_call::Section& call = *server->call;
        const std::uint32_t number = call.asked;
        char name[sizeof call.exportName] = {};
        lstrcpynA(name, call.exportName, sizeof name);
        auto run = reinterpret_cast<LPTHREAD_START_ROUTINE>(
            reinterpret_cast<void*>(GetProcAddress(ThisLibrary(), name)));
        call.result = run ? run(reinterpret_cast<void*>(static_cast<UINT_PTR>(call.parameter)))
                          : probe_call::kNoExport;
        call.answered = number;
        SetEvent(server->answer);
    }
    return 0;
}

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI StartProbeServer(LPVOID) {
    static Server* running = nullptr;
    if (running) return 1;
    const DWORD id = GetCurrentProcessId();
    Server server = {};
    server.section = OpenFileMappingA(FILE_MAP_WRITE, FALSE, probe_call::Name(id, probe_call::kSection).c_str());
    if (server.section) {
        server.call = static_cast<probe_call::Section*>(
            MapViewOfFile(server.section, FILE_MAP_WRITE, 0, 0, sizeof(probe_call::Section)));
    }
    server.request = OpenEventA(SYNCHRONIZE, FALSE, probe_call::Name(id, probe_call::kRequest).c_str());
    server.answer = OpenEventA(EVENT_MODIFY_STATE, FALSE, probe_call::Name(id, probe_call::kAnswer).c_str());
    if (!server.call || server.call->magic != probe_call::kMagic || !server.request || !server.answer) {
        if (server.call) UnmapViewOfFile(server.call);
        for (HANDLE handle : {server.section, server.request, server.answer}) {
            if (handle) CloseHandle(handle);
        }
        return 0;
    }
    running = new Server(server);
    HANDLE thread = CreateThread(nullptr, 0, Serve, running, 0, nullptr);
    if (!thread) return 0;
    CloseHandle(thread);
    return 1;
}
