// Dialog unit scaling: whatever the system font, every control of a page lands
// on the pixels the template gives it at the reference base units (6 pixels
// for 4 horizontal and 13 for 8 vertical dialog units), where the pictures
// were drawn to meet it.
#include "log_pixels.h"
#include "resource_reader.h"
#include "wizard_fixture.h"

#include <cstdlib>
#include <map>
#include <string>

namespace {

constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// Where the template puts a control at the reference base units. The dialog
// manager maps position and size each on its own (rounding to the nearest
// pixel), not the two corners.
RECT ReferenceRect(const driver::DialogItem& item) {
    const int left = MulDiv(item.x, 6, 4);
    const int top = MulDiv(item.y, 13, 8);
    return {left, top, left + MulDiv(item.cx, 6, 4), top + MulDiv(item.cy, 13, 8)};
}

bool IsPicture(const driver::DialogItem& item) {
    return lstrcmpiA(item.className.c_str(), "Static") == 0 && (item.style & 0x000E) != 0;
}

}  // namespace

class FrameLayoutTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        const std::string program = driver::BinPath("Ravlen.exe");
        module_ = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr) << "cannot read " << program;
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
        WizardTest::TearDown();
    }

    // Every control of every page against its reference rectangle. A control
    // moved by the pass is placed with integer division after the system
    // rounded it at its own units, so it may miss the reference by one pixel
    // where those two roundings fall differently; `slack` allows that.
    void ExpectReferenceLayout(int slack) {
        for (int page = 0; page < wizard::kPageCount; ++page) {
            ASSERT_TRUE(ShowPage(page));
            HWND shown = ShownPage();
            const auto dialog = driver::LoadDialogTemplate(module_, static_cast<WORD>(wizard::kTemplates[page]), kEnglish);
            ASSERT_TRUE(dialog) << "template " << wizard::kTemplates[page];
            int checked = 0;
            for (const driver::DialogItem& item : dialog->items) {
                if (item.id <= 0 || item.id == 0xFFFF) continue;
                HWND control = GetDlgItem(shown, item.id);
                if (!control) continue;  // replaced at run time
                const RECT want = ReferenceRect(item);
                const RECT got = driver::RectIn(control, shown);
                const std::string what = "page " + std::to_string(page) + " control " + std::to_string(item.id) +
                                         " (" + item.className + ")";
                EXPECT_LE(std::abs(got.left - want.left), slack) << what << " left";
                EXPECT_LE(std::abs(got.top - want.top), slack) << what << " top";
                // A picture is as wide (and high) as its bitmap.
                if (!IsPicture(item)) {
                    EXPECT_LE(std::abs((got.right - got.left) - (want.right - want.left)), slack) << what << " width";
                }
                // A combo box's height is its drop-down's, which the pass keeps.
                if (!IsPicture(item) && lstrcmpiA(item.className.c_str(), "ComboBox") != 0) {
                    EXPECT_LE(std::abs((got.bottom - got.top) - (want.bottom - want.top)), slack) << what << " height";
                }
                ++checked;
            }
            EXPECT_GT(checked, 8) << "page " << page << ": too few controls to tell";
        }
    }

    // Each picture's pixel width, by page and id: the pass keeps it.
    std::map<std::pair<int, int>, int> PictureWidths() {
        std::map<std::pair<int, int>, int> sizes;
        for (int page = 0; page < wizard::kPageCount; ++page) {
            if (!ShowPage(page)) return sizes;
            HWND shown = ShownPage();
            const auto dialog = driver::LoadDialogTemplate(module_, static_cast<WORD>(wizard::kTemplates[page]), kEnglish);
            if (!dialog) continue;
            for (const driver::DialogItem& item : dialog->items) {
                HWND control = item.id > 0 ? GetDlgItem(shown, item.id) : nullptr;
                if (!control) continue;
                const RECT rect = driver::RectIn(control, shown);
                if (IsPicture(item)) sizes[{page, item.id}] = rect.right - rect.left;
            }
        }
        return sizes;
    }

    int NextWidth() { return driver::RectIn(Button(wizard::kNext), sheet_).right - driver::RectIn(Button(wizard::kNext), sheet_).left; }

    HMODULE module_ = nullptr;
};

TEST_F(FrameLayoutTest, ControlsKeepTheReferencePixelsWhateverTheSystemFont) {
    // At the reference units the pass moves nothing.
    ASSERT_TRUE(StartWizard());
    ExpectReferenceLayout(0);
    const auto referenceWidths = PictureWidths();
    const int referenceNext = NextWidth();
    wizard_.Kill();
    ASSERT_TRUE(wizard_.WaitForExit(driver::kWaitMs, "the wizard to end"));

    for (DWORD dpi : {144u, 72u}) {
        SCOPED_TRACE(std::to_string(dpi) + " dpi");
        driver::ScopedLogPixels logPixels(dpi);
        ASSERT_TRUE(StartWizard());
        // The sheet's own buttons are not pinned: they show that the font changed.
        EXPECT_NE(NextWidth(), referenceNext) << "the system font did not change; nothing is tested";
        ExpectReferenceLayout(1);
        EXPECT_EQ(PictureWidths(), referenceWidths) << "a picture's width changed";
        wizard_.Kill();
        ASSERT_TRUE(wizard_.WaitForExit(driver::kWaitMs, "the wizard to end"));
    }
}
