#include "log_pixels.h"
#include "wizard_fixture.h"

#include <commctrl.h>

namespace {

constexpr int kPictureWidth = 719;  // the sheet is as wide as its pictures

int Width(const RECT& rect) { return rect.right - rect.left; }

}  // namespace

class LayoutTest : public WizardTest {
protected:
    // Checks the button row against the picture width; returns Next's width.
    int ExpectButtonLayout() {
        RECT sheet = {};
        GetWindowRect(sheet_, &sheet);
        EXPECT_EQ(Width(sheet), kPictureWidth);

        const RECT cancel = driver::RectIn(Button(IDCANCEL), sheet_);
        const RECT next = driver::RectIn(Button(wizard::kNext), sheet_);
        const RECT finish = driver::RectIn(Button(wizard::kFinish), sheet_);
        const RECT back = driver::RectIn(Button(wizard::kBack), sheet_);
        const RECT extra = driver::RectIn(Button(IDC_EXTRA_FINISH), sheet_);
        EXPECT_EQ(cancel.left, kPictureWidth - Width(cancel) - 13);
        EXPECT_EQ(next.left, cancel.left - 2 * Width(next) - 15);
        EXPECT_EQ(finish.left, next.left);
        EXPECT_EQ(back.left, next.left - Width(back) - 3);
        EXPECT_EQ(extra.left, cancel.left - Width(finish) - 3);
        EXPECT_EQ(extra.right, cancel.left - 3);
        EXPECT_EQ(extra.top, finish.top);
        EXPECT_EQ(extra.bottom, finish.bottom);
        // The buttons keep their row.
        EXPECT_EQ(next.top, cancel.top);
        EXPECT_EQ(back.top, cancel.top);

        // Help sits at the left edge of the sheet's tab control.
        HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet_, PSM_GETTABCONTROL, 0, 0));
        if (tab) {
            EXPECT_EQ(driver::RectIn(Button(IDHELP), sheet_).left, driver::RectIn(tab, sheet_).left);
        }
        return Width(next);
    }
};

TEST_F(LayoutTest, ButtonsKeepTheirDistancesWhateverTheirWidths) {
    ASSERT_TRUE(StartWizard());
    const int normalWidth = ExpectButtonLayout();
    // The extra button reads as the system's own Finish.
    EXPECT_EQ(driver::Text(Button(IDC_EXTRA_FINISH)), driver::Text(Button(wizard::kFinish)));
    driver::ClickButton(Button(IDCANCEL));
    ASSERT_TRUE(WaitForWizardExit("Cancel"));

    // A larger system font makes wider buttons; the distances still hold.
    driver::ScopedLogPixels large(144);
    ASSERT_TRUE(StartWizard());
    driver::SaveScreenshot("wizard-144dpi", sheet_);
    const int largeWidth = ExpectButtonLayout();
    EXPECT_GT(largeWidth, normalWidth) << "the larger font did not reach the buttons";
}
