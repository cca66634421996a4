// CPageFrame: the chrome every wizard page shares. A picture behind the
// controls, the title over its dark band, the Tab strip of six page labels
// that jump to their pages (hand cursor, click sound), fixed text colours over
// the picture, the Frame fonts, a layout pass that pins every control to the
// pictures' pixel grid, and high contrast (no picture, larger fonts).
//
// A page supplies its values (own label, picture, buttons) and tells its own
// story through OnInitPage and OnActivatePage; the frame's work runs around them.
#pragma once

#include "property_page.h"
#include "wizard_state.h"

#include <vector>

class CPageFrame : public CPropertyPageEx {
public:
    // ownLabel: the strip index (0..5) of the page's own label, -1 for none.
    CPageFrame(UINT templateId, int ownLabel, UINT backgroundId);

protected:
    // The page's own initialisation, after the layout pass and before the
    // Hot spots are recorded.
    virtual void OnInitPage() {}
    // The wizard buttons (PSWIZB_*) posted on activation; 0 posts none.
    virtual DWORD WizardButtons() const = 0;
    // Whether the sheet's extra Finish button is shown on this page.
    virtual bool ShowsExtraFinish() const { return false; }
    // The page's own work on activation, after the fonts are applied.
    virtual void OnActivatePage() {}
    // What runs before a Tab strip jump leaves the page (result ignored).
    virtual void BeforeStripJump() {}
    // Whether the Tab strip answers the mouse (the hand and the jumps).
    virtual bool StripActive() const { return true; }
    // The picture painted behind the controls.
    virtual UINT BackgroundId() const { return m_backgroundId; }
    // What a page draws over its background at each paint (in both modes).
    virtual void PaintOver(HDC) {}
    // A page's own static colours; true when it set the text colour of id.
    virtual bool OwnStaticColor(HDC, int /*id*/) { return false; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // Sends the body font to every control, then the title, label and
    // current-label fonts to theirs (from the set for the current mode).
    void ApplyFrameFonts();
    bool HighContrast();
    // Posts the wizard buttons (PSWIZB_*) to the sheet, as a click on a radio does.
    void SetWizardButtons(DWORD buttons) const;
    // The state every page of this wizard shares.
    static WizardState& State() { return WizardState::Current(); }
    // The click of a Tab strip label or a key, played without waiting for it.
    static void PlayClickSound();
    // A stored 0/1 value on a pair of radios: firstValue stands for the first
    // radio, the other value for the second, and show(true) or show(false)
    // switches the picture or controls that go with them. Any other value
    // names no radio and leaves the page as it is. Returns the radio index
    // (0 or 1), or -1.
    template <class Show>
    static int ShowStoredChoice(DWORD stored, DWORD firstValue, Show show) {
        if (stored != 0 && stored != 1) return -1;
        const bool first = stored == firstValue;
        show(first);
        return first ? 0 : 1;
    }
    // The enabled flag of a radio pair whose first radio means on: 1, 0, or -1 for none.
    static int EnabledFlag(int radio) { return radio == 0 ? 1 : radio == 1 ? 0 : -1; }

    const int m_ownLabel;
    const UINT m_backgroundId;
    std::vector<RECT> m_hotSpots;  // the six labels, in strip order, in client pixels
    HIGHCONTRASTA m_hc = {};

private:
    void ScaleToReferenceUnits();
    void RecordHotSpots();
    void Paint();
    void PaintBackground(HDC dc);
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type, HBRUSH defaultBrush);
    bool OnSetCursor();
    bool OnStripClick();
    int HotSpotUnderCursor(int startAt) const;
};
