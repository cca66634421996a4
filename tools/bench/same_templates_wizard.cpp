// The second floor of the wizard's start: the wizard's own seven page
// templates, read from Ravlen.exe as data, in the system's Wizard97 sheet with
// no other code, fonts or pictures. Beside it the wizard's start shows what its
// own code adds to what the platform needs for the very same windows.
#include "resource.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

namespace {

// In the wizard's order.
constexpr WORD kTemplates[] = {IDD_WELCOME,     IDD_INTERNET_NAV, IDD_LUMORA, IDD_CUSTOMIZE_KEYS,
                               IDD_PRINT_LABEL, IDD_OSD,          IDD_SUMMARY};
constexpr int kPageCount = static_cast<int>(sizeof kTemplates / sizeof kTemplates[0]);

INT_PTR CALLBACK PageProc(HWND page, UINT msg, WPARAM, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        const auto* sheetPage = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
        SetWindowLongPtrA(page, GWLP_USERDATA, sheetPage->lParam);
        return TRUE;
    }
    if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == PSN_SETACTIVE) {
        const LONG_PTR index = GetWindowLongPtrA(page, GWLP_USERDATA);
        const DWORD buttons = index == 0                ? PSWIZB_NEXT
                              : index == kPageCount - 1 ? PSWIZB_BACK | PSWIZB_FINISH
                                                        : PSWIZB_BACK | PSWIZB_NEXT;
        PropSheet_SetWizButtons(GetParent(page), buttons);
        SetWindowLongPtrA(page, DWLP_MSGRESULT, 0);
        return TRUE;
    }
    return FALSE;
}

// Ravlen.exe in the folder the benchmark names, else in ..\bin beside this program.
std::string WizardPath() {
    if (const char* folder = std::getenv("RAVLEN_BIN_DIR"); folder && *folder) {
        return std::string(folder) + "\\Ravlen.exe";
    }
    char own[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, own, MAX_PATH);
    std::string path = own;
    path.erase(path.find_last_of('\\') + 1);
    return path + "..\\bin\\Ravlen.exe";
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    HMODULE wizard = LoadLibraryExA(WizardPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!wizard) return 1;
    PROPSHEETPAGEA pages[kPageCount] = {};
    for (int i = 0; i < kPageCount; ++i) {
        // The template as the wizard's sheet finds it, in the user's language.
        HRSRC found = FindResourceA(wizard, MAKEINTRESOURCEA(kTemplates[i]), RT_DIALOG);
        HGLOBAL loaded = found ? LoadResource(wizard, found) : nullptr;
        const void* dialog = loaded ? LockResource(loaded) : nullptr;
        if (!dialog) {
            FreeLibrary(wizard);
            return 1;
        }
        pages[i].dwSize = sizeof pages[i];
        pages[i].dwFlags = PSP_DLGINDIRECT | PSP_HIDEHEADER;
        pages[i].pResource = static_cast<LPCDLGTEMPLATEA>(dialog);
        pages[i].pfnDlgProc = PageProc;
        pages[i].lParam = i;
    }

    PROPSHEETHEADERA sheet = {};
    sheet.dwSize = sizeof sheet;
    sheet.dwFlags = PSH_WIZARD97 | PSH_PROPSHEETPAGE;
    sheet.hInstance = GetModuleHandleA(nullptr);
    sheet.pszCaption = "Configuration Wizard";
    sheet.nPages = kPageCount;
    sheet.ppsp = pages;
    PropertySheetA(&sheet);
    FreeLibrary(wizard);
    return 0;
}
