// The On-Screen Display page: the display's face, size and colour, its
// switch, and the daemon's tray icon.
#pragma once

#include "gdi_object.h"
#include "page_frame.h"

class CPPageOSD : public CPageFrame {
public:
    CPPageOSD();

    // Made from the user's choice; none until the page has been shown.
    CFont m_exampleFont;
    int m_pointSize = -1;   // whole points
    int m_color = -1;       // COLORREF
    int m_colorIndex = -1;  // selection of the colour list
    int m_fontIndex = -1;   // selection of the face list
    int m_sizeIndex = -1;   // selection of the size list
    int m_osdRadio = -1;    // 0 on, 1 off, -1 none checked
    int m_osdEnabled = -1;  // 1 on, 0 off, -1 unknown: the Save pass skips it
    int m_trayRadio = -1;   // 0 show the tray icon, 1 hide it, -1 never shown

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnInitPage() override;
    DWORD WizardButtons() const override { return PSWIZB_BACK | PSWIZB_NEXT; }
    LRESULT OnWizardNext() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void ShowTrayPictures(bool iconShown);
};
