// The store writers of the Save pass, in the order it runs them.
#pragma once

#include "settings_sink.h"

class CPPageOSD;
class CPSheet;

// The "OSD" values from the On-Screen Display page; nothing at all when the
// page has no Example font (it was never shown).
void SaveOsdSettings(const CPPageOSD& page, SettingsSink& sink, LANGID uiLanguage);

// The "Buttons" values from the feature pages, each skipped while it is -1.
void SaveEnabledFlags(const CPSheet& sheet, SettingsSink& sink);
