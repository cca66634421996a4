#include "text_probe.h"

#include <gtest/gtest.h>

#include <sstream>

namespace driver {

TextProbe::TextProbe(FrameProbe& probe) : probe_(probe) {
    section_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(text_probe::Section),
                                  text_probe::kSectionName);
    if (section_) {
        view_ = static_cast<text_probe::Section*>(
            MapViewOfFile(section_, FILE_MAP_WRITE, 0, 0, sizeof(text_probe::Section)));
    }
    if (!view_) {
        ADD_FAILURE() << "cannot make the text probe's section (error " << GetLastError() << ")";
        return;
    }
    *view_ = {};
    view_->magic = text_probe::kMagic;
}

TextProbe::~TextProbe() {
    if (view_) UnmapViewOfFile(view_);
    if (section_) CloseHandle(section_);
}

std::optional<std::vector<text_probe::Misfit>> TextProbe::Misfits() {
    if (!view_) return std::nullopt;
    const std::optional<DWORD> measured = probe_.Run(text_probe::kFitExport);
    if (!measured) return std::nullopt;
    if (*measured == 0) {
        ADD_FAILURE() << "the shown page has no text to measure";
        return std::nullopt;
    }
    const int kept = view_->misfitCount < text_probe::kMaxMisfits ? view_->misfitCount : text_probe::kMaxMisfits;
    return std::vector<text_probe::Misfit>(view_->misfits, view_->misfits + kept);
}

std::optional<text_probe::Glyphs> TextProbe::Glyphs(int id) {
    if (!view_) return std::nullopt;
    const std::optional<DWORD> found =
        probe_.Run(text_probe::kGlyphsExport, reinterpret_cast<void*>(static_cast<INT_PTR>(id)));
    if (!found) return std::nullopt;
    if (*found == 0) {
        ADD_FAILURE() << "the shown page has no control " << id;
        return std::nullopt;
    }
    return view_->glyphs;
}

std::string Describe(const text_probe::Misfit& misfit) {
    static const char* const kinds[] = {"static", "push button", "check box", "radio button", "group box"};
    const bool known = misfit.kind >= text_probe::kStatic && misfit.kind <= text_probe::kGroupBox;
    std::ostringstream text;
    text << (known ? kinds[misfit.kind] : "control") << " " << misfit.id << " \"" << misfit.text << "\" in \""
         << misfit.face << "\" needs " << misfit.neededWidth << " px x " << misfit.neededLines << " lines of "
         << misfit.lineHeight << " px in " << misfit.width << " x " << misfit.height << " px";
    if (misfit.width != misfit.controlWidth) text << " (of a control " << misfit.controlWidth << " px wide)";
    if (misfit.neededWidth > misfit.width) text << ": " << misfit.neededWidth - misfit.width << " px too wide";
    return text.str();
}

}  // namespace driver
