// CPrintDialog: the system's print dialog, and the printer device context it
// returns, owned until the dialog object goes.
#pragma once

#include <windows.h>

#include <commdlg.h>

class CPrintDialog {
public:
    // A full print dialog (not print setup) with the PD_* flags given.
    explicit CPrintDialog(DWORD flags, HWND owner = nullptr);
    ~CPrintDialog();
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    // IDOK when the user confirmed, IDCANCEL otherwise (also when it failed).
    INT_PTR DoModal();
    // The printer's device context after IDOK with PD_RETURNDC; null otherwise.
    // It belongs to this object.
    HDC GetPrinterDC() const { return m_pd.hDC; }

    PRINTDLGA m_pd;
};
