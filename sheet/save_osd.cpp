#include "save_steps.h"

#include "page_osd.h"

void SaveOsdSettings(const CPPageOSD& page, SettingsSink& sink, LANGID uiLanguage) {
    LOGFONTA font = {};
    if (!page.m_exampleFont || !page.m_exampleFont->GetLogFont(&font)) return;

    // The whole LOGFONT goes to the daemon; byte fields widen to numbers.
    sink.Set(store::kOsdHeight, static_cast<DWORD>(font.lfHeight));
    sink.Set(store::kOsdSelSize, static_cast<DWORD>(page.m_pointSize));
    sink.Set(store::kOsdWeight, static_cast<DWORD>(font.lfWeight));
    sink.Set(store::kOsdWidth, static_cast<DWORD>(font.lfWidth));
    sink.Set(store::kOsdEscapement, static_cast<DWORD>(font.lfEscapement));
    sink.Set(store::kOsdOrientation, static_cast<DWORD>(font.lfOrientation));
    sink.Set(store::kOsdItalic, font.lfItalic);
    sink.Set(store::kOsdUnderline, font.lfUnderline);
    sink.Set(store::kOsdStrikeOut, font.lfStrikeOut);
    sink.Set(store::kOsdOutPrecision, font.lfOutPrecision);
    sink.Set(store::kOsdClipPrecision, font.lfClipPrecision);
    sink.Set(store::kOsdQuality, font.lfQuality);
    sink.Set(store::kOsdPitchAndFamily, font.lfPitchAndFamily);
    sink.Set(store::kOsdFaceName, font.lfFaceName);
    sink.Set(store::kOsdCharSet, uiLanguage == store::kJapanese ? SHIFTJIS_CHARSET : font.lfCharSet);
    sink.Set(store::kOsdColor, static_cast<DWORD>(page.m_color));
    sink.Set(store::kOsdColorIndex, static_cast<DWORD>(page.m_colorIndex));
    sink.Set(store::kOsdFontIndex, static_cast<DWORD>(page.m_fontIndex));
    sink.Set(store::kOsdSizeIndex, static_cast<DWORD>(page.m_sizeIndex));
    sink.Set(store::kOsdDuration, store::kDurationWritten);
    sink.Set(store::kOsdUserChanged, store::kUserChangedWritten);
}
