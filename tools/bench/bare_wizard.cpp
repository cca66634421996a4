// The floor of a wizard's start: three empty Wizard97 pages in the system's
// property sheet and nothing else, so that what the wizard costs beyond the
// platform can be told apart from what the platform costs.
#include "bare_wizard_ids.h"

#include <windows.h>
#include <commctrl.h>

namespace {

const int kPageCount = 3;

INT_PTR CALLBACK PageProc(HWND page, UINT msg, WPARAM, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        const PROPSHEETPAGEA* sheetPage = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
        SetWindowLongPtrA(page, GWLP_USERDATA, sheetPage->lParam);
        return TRUE;
    }
    if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == PSN_SETACTIVE) {
        LONG_PTR index = GetWindowLongPtrA(page, GWLP_USERDATA);
        DWORD buttons = index == 0 ? PSWIZB_NEXT : index == kPageCount - 1 ? PSWIZB_BACK | PSWIZB_FINISH
                                                                           : PSWIZB_BACK | PSWIZB_NEXT;
        PropSheet_SetWizButtons(GetParent(page), buttons);
        SetWindowLongPtrA(page, DWLP_MSGRESULT, 0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const WORD templates[kPageCount] = {IDD_BARE_PAGE_1, IDD_BARE_PAGE_2, IDD_BARE_PAGE_3};
    PROPSHEETPAGEA pages[kPageCount] = {};
    for (int i = 0; i < kPageCount; ++i) {
        pages[i].dwSize = sizeof pages[i];
        pages[i].dwFlags = PSP_DEFAULT | PSP_HIDEHEADER;
        pages[i].hInstance = instance;
        pages[i].pszTemplate = MAKEINTRESOURCEA(templates[i]);
        pages[i].pfnDlgProc = PageProc;
        pages[i].lParam = i;
    }

    PROPSHEETHEADERA sheet = {};
    sheet.dwSize = sizeof sheet;
    sheet.dwFlags = PSH_WIZARD97 | PSH_PROPSHEETPAGE;
    sheet.hInstance = instance;
    sheet.pszCaption = "Configuration Wizard";
    sheet.nPages = kPageCount;
    sheet.ppsp = pages;
    PropertySheetA(&sheet);
    return 0;
}
