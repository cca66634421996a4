// The Print Label page: whether to print a new key label, and in which colours.
// Leaving it forward with printing chosen prints the label.
#pragma once

#include "gdi_object.h"
#include "page_frame.h"

class CPPagePrintLabel : public CPageFrame {
public:
    CPPagePrintLabel();

    int m_radio = -1;       // 0 print, 1 do not, -1 none checked
    int m_enabled = -1;     // 1 print, 0 not, -1 unknown: the Save pass skips it
    int m_colorRadio = -1;  // 0 white on black, 1 black on white, -1 none checked

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // The label font: the dialog's font at 35 units, 3.5 mm on the printed page.
    void OnSetFont(HFONT font) override;
    void OnInitPage() override;
    // Next once printing is declined, or chosen with a style.
    DWORD WizardButtons() const override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Back past Customize Keys when the Lumora Keys were switched off.
    LRESULT OnWizardBack() override;
    // Takes the radios back, hands the print flag on and prints; 0 goes on.
    LRESULT OnWizardNext() override;
    void BeforeStripJump() override { OnWizardNext(); }

private:
    // Shows the print dialog and, when confirmed, prints one label sheet.
    void PrintLabel();
    // The picture of a printed or a greyed strip, and the style controls.
    void ShowPrinting(bool printing);
    void EnableStyle(bool enable);

    CFont m_labelFont;
};
