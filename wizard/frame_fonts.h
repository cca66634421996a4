// The ten fonts every page's chrome is drawn in: a normal set and a larger
// one for high contrast. The Welcome page makes and owns them (it is the
// first page made); every page reaches them through the wizard state.
#pragma once

#include "gdi_object.h"

struct FrameFontSet {
    HFONT title = nullptr;         // the page title over the dark band
    HFONT heading = nullptr;       // the Welcome page's big heading
    HFONT body = nullptr;          // every other control
    HFONT link = nullptr;          // the Tab strip labels
    HFONT currentLabel = nullptr;  // the page's own Tab strip label
};

class FrameFonts {
public:
    // Makes the fonts from the LOGFONT of the pages' dialog font.
    void Create(HFONT dialogFont);
    FrameFontSet Normal() const;
    FrameFontSet HighContrast() const;

private:
    // In the order the Welcome page lists them; they are made in another.
    CFont m_link, m_currentLabel, m_body, m_heading, m_title;
    CFont m_linkLarge, m_currentLabelLarge, m_bodyLarge, m_headingLarge, m_titleLarge;
};
