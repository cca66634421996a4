// The wizard with the frame probe loaded, and the Tab strip as a person uses it.
#pragma once

#include "frame_probe.h"
#include "high_contrast.h"
#include "wizard_fixture.h"

#include <array>
#include <memory>
#include <string>

namespace frame {

constexpr int kFirstLabel = 1032;  // label 1032 + i leads to page i + 1
constexpr int kLabelCount = 6;
constexpr int kTitle = 1038;
constexpr int kHeading = 1001;
constexpr int kVersion = 1046;
constexpr int kHandCursor = 151;
// The pages' dialog templates, by page index.
constexpr std::array<int, wizard::kPageCount> kTemplates = {106, 130, 132, 135, 136, 139, 137};
// The strip index of each page's own label (-1: the Welcome page has none).
constexpr int OwnLabel(int page) { return page - 1; }

}  // namespace frame

class PageFrameTest : public WizardTest {
protected:
    // Starts the wizard and loads the probe into it.
    bool StartProbedWizard();
    // Starts the wizard with its SystemParametersInfo hooked as well
    // (high contrast off until SetHighContrast).
    bool StartHighContrastWizard();
    // Switches high contrast and tells the sheet, which re-activates the page.
    bool SetHighContrast(bool on);

    HWND ShownPage() const;
    HWND Control(int id) const { return GetDlgItem(ShownPage(), id); }
    HWND Label(int index) const { return Control(frame::kFirstLabel + index); }
    // Shows a page as the sheet's own selection does (no strip, no Next).
    bool ShowPage(int index);

    // Moves the cursor onto the centre of a strip label, as a person points.
    void PointAt(int label);
    // Waits for the system to show that cursor; false (with a failure) if it does not.
    bool WaitForCursor(frame_probe::Cursor cursor, const std::string& where);

    driver::FrameProbe probe_;
    std::unique_ptr<driver::HighContrast> highContrast_;
};

std::string Describe(const LOGFONTA& font);
