#include "DormexUtil.h"
#include "com_ptr.h"
#include "registry_key.h"

#include <shlobj.h>

#include <cstring>

BOOL __cdecl GetLinkInfoEx(HWND /*owner*/, LPCSTR linkPath, LPSTR target, LPSTR arguments, DWORD /*flags*/) {
    dormex::CopyTerminated(target, MAX_PATH, "", 0);
    dormex::CopyTerminated(arguments, MAX_PATH, "", 0);
    if (!linkPath || !*linkPath || !target || !arguments) return FALSE;

    wchar_t widePath[MAX_PATH] = {};
    if (!MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, MAX_PATH)) return FALSE;

    dormex::ComScope com;
    dormex::ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put_void()))) {
        return FALSE;
    }
    dormex::ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.put_void()))) return FALSE;
    if (FAILED(file->Load(widePath, STGM_READ))) return FALSE;

    // Read into scratch buffers with room to spare, so that a partly failing
    // link leaves both outputs empty and a target or arguments too long for
    // MAX_PATH are refused whole rather than cut into another command.
    constexpr int kRoom = 4 * MAX_PATH;
    char path[kRoom] = {};
    char args[kRoom] = {};
    if (FAILED(link->GetPath(path, kRoom, nullptr, 0))) return FALSE;
    if (FAILED(link->GetArguments(args, kRoom))) return FALSE;
    path[kRoom - 1] = '\0';
    args[kRoom - 1] = '\0';
    if (strlen(path) >= MAX_PATH || strlen(args) >= MAX_PATH) return FALSE;
    // A link whose target is gone (deleted, or on a drive that is not there)
    // names nothing that could be started.
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) return FALSE;
    dormex::CopyTerminated(target, MAX_PATH, path, strlen(path));
    dormex::CopyTerminated(arguments, MAX_PATH, args, strlen(args));
    return TRUE;
}
