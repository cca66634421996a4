// The On-Screen Display page: the display's face, size and colour with a
// live example, its switch, and the daemon's tray icon. It publishes the
// Example font, height, colour and tray choice for the Summary page.
#pragma once

#include "color_combo.h"
#include "font_combo.h"
#include "gdi_object.h"
#include "page_frame.h"

class CPPageOSD : public CPageFrame {
public:
    CPPageOSD();

    // What the Save pass takes on Finish.
    CFont* m_exampleFont = nullptr;  // the wizard state's Example font; none until the page was shown
    int m_pointSize = 18;            // whole points
    int m_fontIndex = -1;            // selection of the face list, -1 none
    int m_colorIndex = -1;           // selection of the colour list, -1 none
    int m_sizeIndex = -1;            // selection of the size list (see OnInitPage)
    COLORREF m_color = RGB(0, 255, 0);
    int m_osdRadio = -1;    // 0 on, 1 off, -1 none checked
    int m_osdEnabled = -1;  // 1 on, 0 off, -1 unknown: the Save pass skips it
    int m_trayRadio = -1;   // 0 show the tray icon, 1 hide it, -1 never shown

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnInitPage() override;
    // Next only once a display radio is checked.
    DWORD WizardButtons() const override { return m_osdRadio == -1 ? PSWIZB_BACK : PSWIZB_BACK | PSWIZB_NEXT; }
    void OnActivatePage() override { RefreshExample(); }
    // Every way off the page takes the radios back first (see TakeRadiosBack).
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
    void BeforeStripJump() override { TakeRadiosBack(); }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // The switch and the tray radios into the values Finish saves, so that
    // what the Summary shows (the pictures' choice) and the store agree.
    void TakeRadiosBack();
    // The stored face by its name; the stored index only when that name is
    // not listed (fonts come and go, and the list's order with them).
    int StoredFaceIndex();
    void OnSizeChanged();
    void OnColorChanged();
    // Remakes the Example font from the chosen face and size and shows it.
    void RefreshExample();
    void EnableDisplayControls(bool enable);
    void ShowTrayPictures(bool iconShown);
    HBRUSH ExampleColors(HDC dc) const;

    CComboBox m_sizeCombo;
    CStatic m_example;
    CFontCombo m_fontCombo;
    CColorCombo m_colorCombo;
};
