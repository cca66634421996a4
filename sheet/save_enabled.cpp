#include "save_steps.h"

#include "sheet.h"

namespace {

void SetUnlessUnknown(SettingsSink& sink, const store::NumberValue& value, int source) {
    if (source != -1) sink.Set(value, static_cast<DWORD>(source));
}

}  // namespace

void SaveEnabledFlags(const CPSheet& sheet, SettingsSink& sink) {
    SetUnlessUnknown(sink, store::kINavEnable, sheet.m_internetNav.m_enabled);
    SetUnlessUnknown(sink, store::kLumoraEnable, sheet.m_lumora.m_enabled);
    SetUnlessUnknown(sink, store::kPrintEnable, sheet.m_printLabel.m_enabled);
    SetUnlessUnknown(sink, store::kPrintSubRadioBtns, sheet.m_printLabel.m_colorRadio);
    SetUnlessUnknown(sink, store::kOsdEnable, sheet.m_osd.m_osdEnabled);
}
