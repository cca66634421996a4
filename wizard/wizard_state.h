// What the pages share through one run of the wizard: the wizard choices,
// the key assignment table with the selected key, what the On-Screen Display
// page hands over to the Summary, and the frame fonts in use. The sheet makes
// it with itself; a page reaches it through CPageFrame::State(), the code
// below the pages through WizardState::Current().
#pragma once

#include "frame_fonts.h"
#include "gdi_object.h"
#include "key_assignment.h"

// What the feature pages hand over to the rest of the wizard when they are
// left forward. Each is -1 (not decided in this run) until then, and then the
// page's enabled flag: 1 on, 0 off.
struct WizardChoices {
    int internetNav = -1;  // the Internet Navigation page's
    int lumora = -1;       // the Lumora Keys page's
    int print = -1;        // the Print Label page's
};

// What the On-Screen Display page hands over: the Example font made from the
// user's choice, its height, its colour and the tray choice. The Summary page
// shows them, and reads the store for whatever is not handed over yet.
struct OsdPublished {
    CFont* exampleFont = nullptr;  // none until the page has made one
    int exampleHeight = 0;         // tenths of a point; 0 not published
    COLORREF exampleColor = 0;     // 0 not published
    int trayChoice = -1;           // 1 show the icon, 0 hide it, -1 not set
};

class WizardState {
public:
    // The state made last and still alive becomes the current one.
    WizardState();
    ~WizardState();
    WizardState(const WizardState&) = delete;
    WizardState& operator=(const WizardState&) = delete;

    // The state of the wizard that runs now.
    static WizardState& Current();

    // The selected key's record; null while no key is selected.
    KeyAssignment* SelectedKey();

    WizardChoices choices;
    KeyAssignment keys[kKeyCount] = {};  // index 0 to 6 for keys 1 to 7
    // The key picked on the Customize Keys page, 0 to 6, or -1 for none. The
    // choosers write the pending choice of this key.
    int selectedKey = -1;
    OsdPublished osd;
    CFont exampleFont;         // the On-Screen Display page's Example font
    CFont summaryExampleFont;  // the Summary's own, while the page made none
    const FrameFonts* frameFonts = nullptr;  // made and owned by the Welcome page
    FrameFontSet activeFonts;                // the set the last page activation chose

private:
    WizardState* m_previous;
};
