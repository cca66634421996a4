// CPropertyPageEx: one page of a property sheet, made by the sheet the first
// time it is shown, answering the sheet's notifications through virtuals.
#pragma once

#include "dialog.h"

#include <commctrl.h>

class CPropertyPageEx : public CDialog {
public:
    CPropertyPageEx(UINT templateId, UINT captionId = 0, UINT headerTitleId = 0, UINT headerSubTitleId = 0);

    // Filled by the constructor; pages add their flags (PSP_HIDEHEADER) to dwFlags.
    PROPSHEETPAGEA m_psp;

protected:
    // The page becomes the shown one. TRUE shows it; FALSE refuses.
    virtual BOOL OnSetActive() { return TRUE; }
    // The page is left. TRUE lets it go.
    virtual BOOL OnKillActive() { return TRUE; }
    // Next was pressed: 0 goes to the next page, -1 stays, a template id jumps there.
    virtual LRESULT OnWizardNext() { return 0; }
    // Back was pressed: 0 goes to the previous page, -1 stays, a template id jumps there.
    virtual LRESULT OnWizardBack() { return 0; }
    // Finish was pressed: TRUE lets the sheet close.
    virtual BOOL OnWizardFinish() { return TRUE; }

    // The sheet's notifications, taken only from the sheet itself.
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    static UINT CALLBACK PageCallback(HWND, UINT msg, LPPROPSHEETPAGEA page);
};
