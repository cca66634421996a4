// Dialog unit scaling: whatever the system font, every control of a page lands
// on the pixels the template gives it at the reference base units (6 pixels
// for 4 horizontal and 13 for 8 vertical dialog units), where the pictures
// were drawn to meet it, and the sheet's buttons keep their distances.
#include "built_program.h"
#include "registry_view.h"
#include "wizard_fixture.h"

#include <commctrl.h>

#include <map>
#include <string>

namespace {

constexpr int kPictureWidth = 719;  // the sheet is as wide as its pictures

// Where the page puts a control. The dialog manager maps position and size
// each on its own at the page's base units (rounding to the nearest pixel);
// the page then scales each to the reference units with integer division.
RECT ReferenceRect(const driver::DialogItem& item, DWORD baseUnits) {
    const int ux = LOWORD(baseUnits), uy = HIWORD(baseUnits);
    auto x = [&](int units) { return MulDiv(units, ux, 4) * 6 / ux; };
    auto y = [&](int units) { return MulDiv(units, uy, 8) * 13 / uy; };
    const int left = x(item.x), top = y(item.y);
    return {left, top, left + x(item.cx), top + y(item.cy)};
}

bool IsPicture(const driver::DialogItem& item) {
    return lstrcmpiA(item.className.c_str(), "Static") == 0 && (item.style & 0x000E) != 0;
}

}  // namespace

class FrameLayoutTest : public WizardTest {
protected:
    // Every control of every page against its reference rectangle, to the
    // pixel; each picture's pixel width, by page and id. A picture is as wide
    // (and high) as its bitmap; a combo box's height is its drop-down's.
    std::map<std::pair<int, int>, int> ExpectReferenceLayout() {
        std::map<std::pair<int, int>, int> pictureWidths;
        for (int page = 0; page < wizard::kPageCount; ++page) {
            EXPECT_TRUE(ShowPage(page));
            HWND shown = ShownPage();
            const DWORD units = probe_.Run(frame_probe::kBaseUnitsExport).value_or(0);
            if (!LOWORD(units) || !HIWORD(units)) {
                ADD_FAILURE() << "page " << page << ": no base units";
                continue;
            }
            const auto dialog = program_.Dialog(static_cast<WORD>(wizard::kTemplates[page]), languages::kEnglish);
            if (!dialog) ADD_FAILURE() << "template " << wizard::kTemplates[page];
            int checked = 0;
            for (const driver::DialogItem& item : dialog ? dialog->items : std::vector<driver::DialogItem>{}) {
                HWND control = item.id <= 0 || item.id == 0xFFFF ? nullptr : GetDlgItem(shown, item.id);
                if (!control) continue;  // replaced at run time
                const RECT want = ReferenceRect(item, units);
                const RECT got = driver::RectIn(control, shown);
                const std::string what = "page " + std::to_string(page) + " control " + std::to_string(item.id);
                EXPECT_EQ(got.left, want.left) << what << " left";
                EXPECT_EQ(got.top, want.top) << what << " top";
                if (IsPicture(item)) {
                    pictureWidths[{page, item.id}] = got.right - got.left;
                } else {
                    EXPECT_EQ(got.right - got.left, want.right - want.left) << what << " width";
                }
                if (!IsPicture(item) && lstrcmpiA(item.className.c_str(), "ComboBox") != 0) {
                    EXPECT_EQ(got.bottom - got.top, want.bottom - want.top) << what << " height";
                }
                ++checked;
            }
            EXPECT_GT(checked, 8) << "page " << page << ": too few controls to tell";
        }
        return pictureWidths;
    }

    // The sheet's button row against the picture width; Next's width. The
    // sheet's own buttons are not pinned to the reference units, only their
    // distances: their widths show that the system font changed.
    int ExpectButtonLayout() {
        auto width = [](const RECT& rect) { return rect.right - rect.left; };
        RECT sheet = {};
        GetWindowRect(sheet_, &sheet);
        EXPECT_EQ(width(sheet), kPictureWidth);
        const RECT cancel = driver::RectIn(Button(IDCANCEL), sheet_);
        const RECT next = driver::RectIn(Button(wizard::kNext), sheet_);
        const RECT finish = driver::RectIn(Button(wizard::kFinish), sheet_);
        const RECT back = driver::RectIn(Button(wizard::kBack), sheet_);
        const RECT extra = driver::RectIn(Button(IDC_EXTRA_FINISH), sheet_);
        EXPECT_EQ(cancel.left, kPictureWidth - width(cancel) - 13);
        EXPECT_EQ(next.left, cancel.left - 2 * width(next) - 15);
        EXPECT_EQ(finish.left, next.left);
        EXPECT_EQ(back.left, next.left - width(back) - 3);
        EXPECT_EQ(extra.left, cancel.left - width(finish) - 3);
        EXPECT_EQ(extra.right, cancel.left - 3);
        EXPECT_EQ(extra.top, finish.top);
        EXPECT_EQ(extra.bottom, finish.bottom);
        EXPECT_EQ(next.top, cancel.top);
        EXPECT_EQ(back.top, cancel.top);
        // Help sits at the left edge of the sheet's tab control.
        HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet_, PSM_GETTABCONTROL, 0, 0));
        if (tab) {
            EXPECT_EQ(driver::RectIn(Button(IDHELP), sheet_).left, driver::RectIn(tab, sheet_).left);
        }
        return width(next);
    }

    const languages::BuiltProgram program_;
};

TEST_F(FrameLayoutTest, ControlsKeepTheReferencePixelsWhateverTheSystemFont) {
    // At the reference units the pass moves nothing.
    ASSERT_TRUE(StartProbedWizard());
    const int referenceNext = ExpectButtonLayout();
    const auto referenceWidths = ExpectReferenceLayout();

    for (DWORD dpi : {144u, 72u}) {
        SCOPED_TRACE(std::to_string(dpi) + " dpi");
        driver::ScopedLogPixels logPixels(dpi);
        ASSERT_TRUE(StartProbedWizard());
        driver::SaveScreenshot("wizard-" + std::to_string(dpi) + "dpi", sheet_);
        EXPECT_NE(ExpectButtonLayout(), referenceNext) << "the system font did not change; nothing is tested";
        EXPECT_EQ(ExpectReferenceLayout(), referenceWidths) << "a picture's width changed";
        // The Hot spots are where the pass put the labels (the Summary page is shown).
        PointAt(0);
        EXPECT_TRUE(WaitForCursor(frame_probe::kCursorHand, "over the first label"));
    }
}
