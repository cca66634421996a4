// The built Ravlen.exe opened as a data file, so that its resources can be read
// in any one language, whatever language the test itself runs in.
#pragma once

#include "resource_reader.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

namespace languages {

constexpr LANGID kEnglish = 0x0409;
constexpr LANGID kTraditionalChinese = 0x0404;

// Whether a template's class is the named one; resource compilers differ in
// writing "Static" or "STATIC".
bool IsClass(const driver::DialogItem& item, const char* name);

// "de-DE" and the like, for messages and file names.
std::string LanguageTag(LANGID language);

// The language this run was started for: RAVLEN_UI_LANGUAGE (a LANGID in
// hex) names it where the run sets LC_ALL; the process's own when none was
// named. Wine takes a process's interface language from its locale, and runs
// a locale that was never generated as English.
LANGID RunLanguage();

class BuiltProgram {
public:
    // Opens bin\Ravlen.exe; adds a failure when it cannot.
    BuiltProgram();
    explicit operator bool() const { return module_ != nullptr; }
    HMODULE module() const { return module_.get(); }

    // Whether the resource is there in exactly that language.
    bool Has(LPCSTR type, WORD id, LANGID language) const;
    std::optional<driver::DialogTemplate> Dialog(WORD id, LANGID language) const;
    std::optional<std::string> String(UINT id, LANGID language) const;

private:
    struct Free {
        void operator()(HMODULE module) const { FreeLibrary(module); }
    };
    std::unique_ptr<std::remove_pointer_t<HMODULE>, Free> module_;
};

}  // namespace languages
