#include "built_program.h"

#include "driver.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace languages {

bool IsClass(const driver::DialogItem& item, const char* name) { return _stricmp(item.className.c_str(), name) == 0; }

std::string LanguageTag(LANGID language) {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (LCIDToLocaleName(MAKELCID(language, SORT_DEFAULT), name, LOCALE_NAME_MAX_LENGTH, 0) > 1) {
        return driver::Utf8(name);
    }
    char hex[8] = {};
    snprintf(hex, sizeof hex, "%04X", language);
    return hex;
}

LANGID RunLanguage() {
    const char* named = std::getenv("RAVLEN_UI_LANGUAGE");
    return named ? static_cast<LANGID>(std::strtoul(named, nullptr, 16)) : GetUserDefaultUILanguage();
}

BuiltProgram::BuiltProgram() {
    const std::string path = driver::BinPath("Ravlen.exe");
    module_.reset(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!module_) ADD_FAILURE() << "cannot open " << path << " (error " << GetLastError() << ")";
}

bool BuiltProgram::Has(LPCSTR type, WORD id, LANGID language) const {
    return FindResourceExA(module(), type, MAKEINTRESOURCEA(id), language) != nullptr;
}

std::optional<driver::DialogTemplate> BuiltProgram::Dialog(WORD id, LANGID language) const {
    return driver::LoadDialogTemplate(module(), id, language);
}

std::optional<std::string> BuiltProgram::String(UINT id, LANGID language) const {
    return driver::LoadStringIn(module(), id, language);
}

}  // namespace languages
