// What the probe exports share: the test's section, mapped while one answer
// is written, and the wizard page that is shown.
#pragma once

#include <windows.h>

#include <cstdint>

namespace probe_page {

// The section the test made under name, when it carries the test's magic.
template <class Section>
class SectionView {
public:
    SectionView(const char* name, std::uint32_t magic)
        : section_(OpenFileMappingA(FILE_MAP_WRITE, FALSE, name)), magic_(magic) {
        if (section_) view_ = MapViewOfFile(section_, FILE_MAP_WRITE, 0, 0, sizeof(Section));
    }
    ~SectionView() {
        if (view_) UnmapViewOfFile(view_);
        if (section_) CloseHandle(section_);
    }
    SectionView(const SectionView&) = delete;
    SectionView& operator=(const SectionView&) = delete;
    Section* get() const {
        auto* section = static_cast<Section*>(view_);
        return section && section->magic == magic_ ? section : nullptr;
    }

private:
    HANDLE section_;
    std::uint32_t magic_;
    void* view_ = nullptr;
};

// The shown page of the process's visible property sheet, or null.
HWND ShownPage();

}  // namespace probe_page
