// The four languages that have their own copy of every picture with text, and
// the words those pictures carry.
#pragma once

#include "text.h"

#include <array>
#include <vector>

namespace picgen {

struct Language {
    const char* folder;      // output subfolder, e.g. "en-US"
    const char* rcLanguage;  // the resource script's LANGUAGE arguments: primary and sub-language, as numbers
    bool cjk;
    const char* back;        // legends of the two Internet Navigation keys
    const char* forward;
    std::array<const char*, 7> keyNames;  // default names of the seven launch keys
    const char* lumoraKeys;  // the name of the launch key group
    const char* clock;       // the time as the task bar shows it
    Face Regular() const { return cjk ? Face::Cjk : Face::Sans; }
    Face Bold() const { return cjk ? Face::CjkBold : Face::SansBold; }
};

// In the order of their language ids: 1028, 1033, 1041, 2052.
const std::vector<Language>& Languages();

// What the language-neutral pictures are drawn with; they carry no words.
const Language& Neutral();

}  // namespace picgen
