#include "frame_fonts.h"

#include <cstring>

namespace {

// Point sizes are converted at 96 dots per inch whatever the screen's, as
// the pictures the text stands on are drawn in pixels.
LONG Height(int points) { return -::MulDiv(points, 96, 72); }

}  // namespace

void FrameFonts::Create(HFONT dialogFont) {
    LOGFONTA font = {};
    ::GetObjectA(dialogFont, sizeof font, &font);
    font.lfItalic = 0;

    // Each font changes only what differs from the one before it.
    font.lfHeight = Height(9);
    font.lfWeight = FW_NORMAL;
    font.lfWidth = 0;
    font.lfUnderline = TRUE;
    m_link.CreateFontIndirect(font);
    font.lfUnderline = FALSE;
    m_body.CreateFontIndirect(font);
    font.lfHeight = Height(11);
    font.lfUnderline = TRUE;
    m_linkLarge.CreateFontIndirect(font);
    font.lfUnderline = FALSE;
    m_bodyLarge.CreateFontIndirect(font);
    font.lfHeight = Height(9);
    font.lfWeight = FW_BOLD;
    m_currentLabel.CreateFontIndirect(font);
    font.lfHeight = Height(11);
    m_currentLabelLarge.CreateFontIndirect(font);
    font.lfHeight = Height(24);
    font.lfWidth = 17;
    m_heading.CreateFontIndirect(font);
    font.lfHeight = Height(28);
    m_headingLarge.CreateFontIndirect(font);
    font.lfHeight = Height(16);
    font.lfWeight = FW_NORMAL;
    font.lfWidth = 0;
    std::strcpy(font.lfFaceName, "Arial");
    m_title.CreateFontIndirect(font);
    font.lfHeight = Height(20);
    m_titleLarge.CreateFontIndirect(font);
}

FrameFontSet FrameFonts::Normal() const {
    return {m_title.GetSafeHandle(), m_heading.GetSafeHandle(), m_body.GetSafeHandle(), m_link.GetSafeHandle(),
            m_currentLabel.GetSafeHandle()};
}

FrameFontSet FrameFonts::HighContrast() const {
    return {m_titleLarge.GetSafeHandle(), m_headingLarge.GetSafeHandle(), m_bodyLarge.GetSafeHandle(),
            m_linkLarge.GetSafeHandle(), m_currentLabelLarge.GetSafeHandle()};
}
